// The connection to another server: the administrative share, the remembered shares, the messages.
#include "server_connection.h"

#include <cstdio>

#include "connect_server_dlg.h"
#include "module.h"
#include "program_values.h"
#include "startup_ids.h"
#include "prompter.h"
#include "wait_cursor.h"

namespace {

constexpr DWORD kLogonFailure = 1326;

// What the administrator typed, in the buffers the connection uses.
struct Logon {
    char server[64] = {};
    char user[64] = {};
    char password[32] = {};
};

bool Fits(const std::string& text, std::size_t size)
{
    return text.size() < size;
}

// An empty user stands for the administrator's own logon. A password left empty beside a
// user name is that user's empty password; with no user either, it is the own logon's.
const char* UserArgument(const Logon& logon)
{
    return logon.user[0] ? logon.user : nullptr;
}

const char* PasswordArgument(const Logon& logon)
{
    return logon.password[0] || logon.user[0] ? logon.password : nullptr;
}

}  // namespace

RememberedShares& Remembered()
{
    static RememberedShares shares;
    return shares;
}

std::string LogonRefusedText(const char* server)
{
    return FormatResString(IDS_LOGON_REFUSED, server);
}

std::string LogonFailedText(DWORD error)
{
    return FormatResString(IDS_LOGON_FAILED, static_cast<int>(error));
}

ServerConnection::ServerConnection(ProgramValues& values, NetworkProvider& network)
    : m_values(values), m_network(network)
{
}

void ServerConnection::CancelRemembered(const RememberedShares& shares)
{
    // Forced, and without touching the user's profile: the program made these connections.
    if (shares.adminShare[0])
        m_network.CancelConnection2(shares.adminShare, 0, TRUE);
    if (shares.ipcShare[0])
        m_network.CancelConnection2(shares.ipcShare, 0, TRUE);
}

bool ServerConnection::Connect(const std::string& server, const std::string& user, const std::string& password)
{
    // A server is a bare computer name; leading backslashes typed out of habit are dropped.
    std::size_t start = server.find_first_not_of('\\');
    if (start == std::string::npos)
        return false;
    std::string bare = server.substr(start);
    Logon logon;
    if (!Fits(bare, sizeof logon.server) || !Fits(user, sizeof logon.user) || !Fits(password, sizeof logon.password)) {
        // The dialog refuses such entries; a caller that did not gets a message, not a cut name.
        PromptId(IDS_LOGON_TOO_LONG, MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    lstrcpynA(logon.server, bare.c_str(), sizeof logon.server);
    lstrcpynA(logon.user, user.c_str(), sizeof logon.user);
    lstrcpynA(logon.password, password.c_str(), sizeof logon.password);

    char adminShare[128] = {};
    std::snprintf(adminShare, sizeof adminShare, "\\\\%s\\ADMIN$", logon.server);
    NETRESOURCEA resource = {};
    resource.dwType = RESOURCETYPE_DISK;
    resource.lpLocalName = nullptr;
    resource.lpRemoteName = adminShare;
    resource.lpProvider = nullptr;

    RememberedShares& shares = Remembered();
    const RememberedShares earlier = shares;
    // A second logon to the share already held would clash with the first; only then does the
    // old connection go before the new one is made. Another server's stays until the new
    // connection stands, so that a failed attempt leaves the program where it was.
    const bool sameShare = earlier.adminShare[0] && lstrcmpiA(earlier.adminShare, adminShare) == 0;
    DWORD result = NO_ERROR;
    DWORD error = NO_ERROR;
    {
        CWaitCursor wait;
        if (sameShare)
            CancelRemembered(earlier);
        result = m_network.AddConnection2(resource, PasswordArgument(logon), UserArgument(logon), 0);
        // Taken at once, before restoring the cursor can touch it.
        if (result != NO_ERROR)
            error = m_network.LastError();
        else if (!sameShare)
            CancelRemembered(earlier);
    }

    if (result != NO_ERROR) {
        // Nothing of the earlier connection was cancelled: it stays remembered, so that the
        // next successful connection still cancels it.
        SoundBeep(MB_OK);
        Prompt(error == kLogonFailure ? LogonRefusedText(logon.server) : LogonFailedText(error),
            MB_OK | MB_ICONEXCLAMATION);
        return false;
    }

    lstrcpynA(shares.adminShare, adminShare, sizeof shares.adminShare);
    std::snprintf(shares.ipcShare, sizeof shares.ipcShare, "\\\\%s\\IPC$", logon.server);
    lstrcpynA(m_values.serverName, logon.server, sizeof m_values.serverName);
    if (m_values.frame)
        m_values.frame->ReloadAllPages(0);
    return true;
}

void RunSelectServer(CWnd* parent, ProgramValues& values, NetworkProvider& network)
{
    CConnectServerDlg dialog(parent);
    if (dialog.DoModal() != IDOK)
        return;
    ServerConnection(values, network).Connect(dialog.m_server, dialog.m_user, dialog.m_password);
}
