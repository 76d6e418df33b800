// CLoginDlg: the "Login" prompt for a server that wants credentials before a node command.
#pragma once

#include <windows.h>

#include <string>

#include "dialog.h"

class CLoginDlg : public CDialog {
public:
    static constexpr int kMaxUser = 63, kMaxPassword = 63;

    // `message` is the number the last attempt returned (0 when there was none): its system
    // text is shown above the fields.
    CLoginDlg(std::string server, std::string user, std::string logonText, DWORD message, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange& exchange) override;
    const MessageMap& GetMessageMap() const override;

    // The text above the fields: 4222 with the system text, or nothing.
    const std::string& ErrorText() const { return m_error; }

    std::string m_server;
    std::string m_user;
    std::string m_password;

private:
    void OnHelp();

    std::string m_logonText;
    std::string m_error;
};
