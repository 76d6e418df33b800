// CConnectServerDlg: "Connect Alert Server", where the administrator names a server and a logon.
#pragma once

#include <string>

#include "dialog.h"

class CConnectServerDlg : public CDialog {
public:
    // The longest texts that fit the connection's buffers of 64, 64 and 32 bytes.
    static constexpr int kMaxServer = 63;
    static constexpr int kMaxUser = 63;
    static constexpr int kMaxPassword = 31;

    explicit CConnectServerDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& exchange) override;

    std::string m_server;
    std::string m_user;
    std::string m_password;
};
