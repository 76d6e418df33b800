// The connections this process holds to the network's servers and the logons they carry.
// A server that asks for a logon counts as logged on while any connection to it remains;
// cancelling its last connection ends the logon, as closing the last session does.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "net_site.h"

struct NetConnection {
    std::string localName;  // "X:" upper-case, empty for a connection without a device
    std::string remoteName;  // "\\SERVER\SHARE" as the caller spelled it
    std::string server;  // as the site spells it
    std::uint32_t type = netcodes::kTypeDisk;
    std::string user;
};

struct ConnectRequest {
    std::string remoteName;
    std::string localName;
    std::uint32_t type = netcodes::kTypeAny;
    // Absent (or empty) user and password mean "the credentials this process already has".
    std::optional<std::string> user;
    std::optional<std::string> password;
    // The name checked when only a password is given, as the platform checks the caller's own.
    std::string currentUser;
};

class NetSessions {
public:
    // 0; 67 for a malformed name, an unknown share or a name below a share; 53 unknown server;
    // 66 a printer asked for as a disk or the reverse; 1200 a local name that is no drive
    // letter (or a device for a printer); 85 a local name in use; 1219 a user other than the
    // one this process is connected to that server as; for a server that asks for a logon,
    // 5 without credentials while not logged on, 1326 unknown user, 86 wrong password.
    std::uint32_t Connect(const NetSite& site, const ConnectRequest& request);
    // By local name ("X:") or remote name; 0, or 2250 when there is no such connection.
    std::uint32_t Cancel(const std::string& name);

    bool LoggedOn(const std::string& server) const;
    const NetConnection* FindLocal(const std::string& localName) const;
    // By local name, remote name or "\\SERVER" (any connection to that server).
    const NetConnection* Find(const std::string& name) const;
    const std::vector<NetConnection>& Connections() const { return m_connections; }

private:
    std::vector<NetConnection> m_connections;
};

// "x:" -> "X:"; nothing when the text is no drive letter with its colon.
std::optional<std::string> DriveName(const std::string& text);
