// What the network holds below a name: the domains at its top, a domain's servers, a server's
// shares and print queues. The provider walks this one level per open enumeration.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net_sessions.h"
#include "net_site.h"

struct NetEntry {
    std::string remoteName;  // "SALES", "\\ALPHA", "\\ALPHA\DATA"
    std::string comment;
    std::uint32_t type = netcodes::kTypeAny;
    std::uint32_t displayType = netcodes::kDisplayGeneric;
    std::uint32_t usage = 0;
};

class NetworkDirectory {
public:
    NetworkDirectory(const NetSite& site, const NetSessions& sessions) : m_site(site), m_sessions(sessions) { }

    // The entries below `container` (empty: the network's top, its domains). `type` keeps
    // shares of that type (0 every share; containers always stay); `usage` keeps entries of
    // that usage (0 all). Answers 0; 53 for a name that is no domain or server; 67 for an
    // unknown share; 1207 for a share (it holds nothing to browse); 5 for the shares of a
    // server that asks for a logon while this process is not logged on to it.
    std::uint32_t List(
        const std::string& container, std::uint32_t type, std::uint32_t usage, std::vector<NetEntry>& entries) const;

private:
    std::uint32_t ListShares(const NetServer& server, std::uint32_t type, std::vector<NetEntry>& entries) const;

    const NetSite& m_site;
    const NetSessions& m_sessions;
};
