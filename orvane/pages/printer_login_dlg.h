// CPrinterLoginDlg: "Select Printer to Add and Verify", the logon to a print server with a
// user name and password, the list of its printers and the check of the one chosen.
#pragma once

#include <string>

#include "dialog.h"
#include "network_listing.h"

class NetworkProvider;

class CPrinterLoginDlg : public CDialog {
public:
    // How a connection is made: verify the chosen printer, log on to list the printers, log off.
    enum class Mode { kVerify, kList, kDisconnect };

    // `kind` 1: a server of the Microsoft network (its printers behind "print$"), 2: any other
    // ("SYS"). `server` may be null when its description is unknown.
    CPrinterLoginDlg(NetworkProvider& network, const std::string& prompt, const std::string& serverName, int kind,
        NetResourceCopy* server, const std::string& user, const std::string& password, const std::string& windowsUser,
        CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    // Verifies the chosen printer; ends with IDOK when the server takes the logon.
    void OnOK() override;
    const MessageMap& GetMessageMap() const override;

    // What the dialog ended with.
    const std::string& Printer() const { return m_printer; }
    const std::string& User() const { return m_user; }
    const std::string& Password() const { return m_password; }

    // The message (string number) for a refused connection; 0 for the one the user may accept.
    static UINT MessageFor(DWORD error);

private:
    void OnConnect();
    // Lists the server's printers into "Select Printer:"; answers how many, or -1 when the
    // server refused the listing.
    int ListPrinters();
    bool Connect(Mode mode);
    void ReadFields();

    NetworkProvider& m_network;
    std::string m_prompt;
    std::string m_serverName;
    int m_kind;
    NetResourceCopy* m_server;
    std::string m_windowsUser;
    std::string m_printer;
    std::string m_user;
    std::string m_password;
};
