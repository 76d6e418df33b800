// CPortSetupDlg: "Port Configuration", the list of PORT.CFG's settings and the default of PORTDEF.CFG.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "col_list.h"
#include "dialog.h"
#include "port_file.h"

struct ProgramValues;

class CPortSetupDlg : public CDialog {
public:
    static constexpr int kColumnCount = 7;

    // The Alert home is asked of the connected server once, here.
    explicit CPortSetupDlg(const ProgramValues& values, CWnd* parent = nullptr);
    ~CPortSetupDlg() override;

    BOOL OnInitDialog() override;
    // Close and Escape (and an OK sent to the dialog) alike save both files.
    void OnCancel() override;
    void OnOK() override;
    bool PreTranslateMessage(MSG& message) override;
    const MessageMap& GetMessageMap() const override;

    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnSetDefault();
    void OnClose();

    // State, for tests.
    CColList& List() { return m_list; }
    const std::string& HomeDirectory() const { return m_home; }
    std::uint16_t DefaultPortId() const { return m_defaultPortId; }
    const PortFileHeader& Header() const { return m_header; }
    std::string PortPath() const { return port_file::PathIn(m_home, "PORT.CFG"); }
    std::string DefaultPath() const { return port_file::PathIn(m_home, "PORTDEF.CFG"); }

private:
    void SetUpColumns();
    void LoadPortFile();
    int AddLine(PortRecord* record);
    PortRecord* RecordAt(int position) const;
    int SelectedLine() const;
    void ShowDefault();
    void SavePortFile();
    void FreeRecords();
    void OnDestroyDialog();

    const ProgramValues& m_values;
    std::string m_home;
    PortFileHeader m_header = {};
    std::uint16_t m_defaultPortId = port_file::kDefaultPortId;
    std::string m_loadedDate;
    CColList m_list;
};
