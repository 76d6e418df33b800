// CFindRecordDlg: the modeless "Find" box of the scan log viewer.
#pragma once

#include "dialog.h"

class CScanRecordsDlg;

class CFindRecordDlg : public CDialog {
public:
    explicit CFindRecordDlg(CScanRecordsDlg& records);
    ~CFindRecordDlg() override;

    BOOL OnInitDialog() override;
    const MessageMap& GetMessageMap() const override;
    // Cancel only hides the box: the viewer keeps it for the next search.
    void OnCancel() override;
    void OnOK() override;

private:
    void OnFindNext();

    CScanRecordsDlg& m_records;
};
