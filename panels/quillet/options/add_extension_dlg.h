// CAddExtensionDlg: "Add Extension", one extension of up to three characters for a File Types list.
#pragma once

#include <string>

#include "dialog.h"

class CAddExtensionDlg : public CDialog {
public:
    explicit CAddExtensionDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // An empty or all-blank text keeps the dialog open with 16027.
    void OnOK() override;

    std::string m_extension;
};
