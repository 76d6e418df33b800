// CLoginDlg: "Login", the name and password the panel connects to a refusing server with.
#pragma once

#include <string>

#include "dialog.h"

class CLoginDlg : public CDialog {
public:
    static constexpr int kMaxName = 255;
    static constexpr int kMaxPassword = 255;

    explicit CLoginDlg(CWnd* parent = nullptr);
    void DoDataExchange(CDataExchange& exchange) override;

    std::string m_name;  // empty: the current user
    std::string m_password;
};
