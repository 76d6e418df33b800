// CSnmpDlg: "SNMP Configuration", the editor of one SNMP manager.
#pragma once

#include "dialog.h"
#include "snmp_record.h"

struct ProgramValues;

class CSnmpDlg : public CDialog {
public:
    static constexpr UINT kHelpTopic = 3040;
    // The name's text is read up to this many characters; a name this long is refused.
    static constexpr int kNameReadLimit = 50;

    // Edits `record` in place.
    CSnmpDlg(SnmpRecord& record, const ProgramValues& values, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Validates the name and the chosen transport's address; stores them and ends with IDOK.
    void OnOK() override;
    const MessageMap& GetMessageMap() const override;

private:
    bool StoreIp();
    bool StoreIpx();
    void OnHelp();

    SnmpRecord& m_record;
    const ProgramValues& m_values;
};
