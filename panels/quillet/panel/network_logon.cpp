// The logon to a server: the dialog, then the two connections in order.
#include "network_logon.h"

#include "login_dlg.h"
#include "wnd.h"

CredentialsPrompt LoginDialogPrompt(CWnd* owner)
{
    return [owner](Credentials& credentials) {
        CLoginDlg dialog(owner);
        if (dialog.DoModal() != IDOK)
            return false;
        credentials.name = dialog.m_name;
        credentials.password = dialog.m_password;
        return true;
    };
}

bool IsLogonRefusal(DWORD error)
{
    return error == ERROR_ACCESS_DENIED || error == ERROR_LOGON_FAILURE || error == ERROR_INVALID_PASSWORD ||
        error == ERROR_BAD_USERNAME;
}

DWORD LogOnToServer(NetworkProvider& network, const std::string& server, const CredentialsPrompt& prompt)
{
    Credentials credentials;
    if (!prompt || !prompt(credentials))
        return ERROR_CANCELLED;
    std::string bare = server;
    while (!bare.empty() && bare.front() == '\\')
        bare.erase(bare.begin());
    const char* user = credentials.name.empty() ? nullptr : credentials.name.c_str();
    DWORD result = ERROR_BAD_NETPATH;
    for (const std::string& target : {"\\\\" + bare, "\\\\" + bare + "\\ADMIN$"}) {
        std::string remote = target;
        NETRESOURCEA resource = {};
        resource.dwType = RESOURCETYPE_ANY;
        resource.lpRemoteName = remote.data();
        result = network.AddConnection2(resource, credentials.password.c_str(), user, 0);
        if (result == NO_ERROR)
            break;
    }
    return result;
}
