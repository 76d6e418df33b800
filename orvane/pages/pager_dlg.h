// CPagerDlg: "Pager Configuration", the editor of one pager recipient.
#pragma once

#include <string>

#include "dialog.h"
#include "pager_record.h"

struct ProgramValues;

class CPagerDlg : public CDialog {
public:
    static constexpr UINT kHelpTopic = 3030;

    // Edits `record` in place; the Alert home for the port files is asked of the server here.
    CPagerDlg(PagerRecord& record, const ProgramValues& values, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Refuses an empty owner name; otherwise stores every field and ends with IDOK.
    void OnOK() override;
    const MessageMap& GetMessageMap() const override;

    const std::string& HomeDirectory() const { return m_home; }

private:
    void FillPorts();
    void OnHelp();

    PagerRecord& m_record;
    const ProgramValues& m_values;
    std::string m_home;
};
