// CPortEditDlg: the editor of one port setting of PORT.CFG.
#pragma once

#include "dialog.h"
#include "port_file.h"

class CPortEditDlg : public CDialog {
public:
    static constexpr int kAddMode = 1;
    static constexpr int kEditMode = 0;

    // Edits a copy of `record` (a zeroed record when null); on IDOK the caller copies m_record out.
    CPortEditDlg(const PortRecord* record, int mode, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Refuses an empty description; otherwise stores every field and ends with IDOK.
    void OnOK() override;

    PortRecord m_record = {};
    int m_mode;
};
