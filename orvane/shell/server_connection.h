// ServerConnection: connecting the Alert Manager to the server the administrator names.
#pragma once

#include <string>

#include "network_provider.h"

struct ProgramValues;

class CWnd;

// The share names of the last successful connection, kept for the whole program so that the
// next connection cancels them first. Empty until then; a failed attempt empties the
// administrative share.
struct RememberedShares {
    char adminShare[128] = {};
    char ipcShare[128] = {};
};
RememberedShares& Remembered();

class ServerConnection {
public:
    // A success changes `values`' current server and has its frame reload every page.
    explicit ServerConnection(ProgramValues& values, NetworkProvider& network = SystemNetworkProvider());

    // Connects to `server`'s administrative share with the logon given. An empty server does
    // nothing. On success the server becomes the current server and the frame reloads every
    // page; on failure the administrator is told why and the current server stays.
    // True when the current server changed.
    bool Connect(const std::string& server, const std::string& user, const std::string& password);

private:
    void CancelRemembered(const RememberedShares& shares);

    ProgramValues& m_values;
    NetworkProvider& m_network;
};

// "Select Server": runs the Connect Alert Server dialog and, on OK, the connection.
void RunSelectServer(CWnd* parent, ProgramValues& values, NetworkProvider& network = SystemNetworkProvider());

// The two texts of a refused connection.
std::string LogonRefusedText(const char* server);
std::string LogonFailedText(DWORD error);
