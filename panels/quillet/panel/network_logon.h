// The logon the tree asks for when a server refuses its listing: the connection goes to
// "\\SERVER" and, when that fails, to "\\SERVER\ADMIN$".
#pragma once

#include <functional>
#include <string>

#include "network_provider.h"

class CWnd;

struct Credentials {
    std::string name;  // empty: the current user
    std::string password;
};

// Asks for a name and password; false when the user cancelled.
using CredentialsPrompt = std::function<bool(Credentials&)>;

// The "Login" dialog owned by `owner`.
CredentialsPrompt LoginDialogPrompt(CWnd* owner);

// True when the listing was refused for lack of rights (and a logon may help).
bool IsLogonRefusal(DWORD error);

// Asks once and connects; 0 on success, else the error of the last connection tried
// (ERROR_CANCELLED when the user cancelled).
DWORD LogOnToServer(NetworkProvider& network, const std::string& server, const CredentialsPrompt& prompt);
