// Browsing the network one level at a time.
#include "network_directory.h"

#include <algorithm>

#include "net_path.h"
#include "net_shares.h"

using namespace netcodes;

std::uint32_t NetworkDirectory::List(
    const std::string& container, std::uint32_t type, std::uint32_t usage, std::vector<NetEntry>& entries) const
{
    entries.clear();
    if (container.empty()) {
        for (const std::string& domain : m_site.domains)
            entries.push_back({domain, "", kTypeAny, kDisplayDomain, kUsageContainer});
    } else if (container[0] == '\\' || container[0] == '/') {
        const std::optional<NetPath> path = NetPath::Parse(container);
        if (!path)
            return kBadNetName;
        const NetServer* server = m_site.FindServer(path->server);
        if (!server)
            return kBadNetPath;
        if (!path->share.empty())
            return FindShare(SharesOf(*server), path->share) ? kNotContainer : kBadNetName;
        if (const std::uint32_t denied = ListShares(*server, type, entries))
            return denied;
    } else {
        const std::string* domain = m_site.FindDomain(container);
        if (!domain)
            return kBadNetPath;
        for (const NetServer& server : m_site.servers) {
            if (SameComputerName(server.domain, *domain))
                entries.push_back({"\\\\" + server.name, "", kTypeAny, kDisplayServer, kUsageContainer});
        }
    }
    if (usage != 0) {
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                          [usage](const NetEntry& entry) { return (entry.usage & usage) == 0; }),
            entries.end());
    }
    return kOk;
}

std::uint32_t NetworkDirectory::ListShares(
    const NetServer& server, std::uint32_t type, std::vector<NetEntry>& entries) const
{
    if (server.accounts && !m_sessions.LoggedOn(server.name))
        return kAccessDenied;
    for (const NetShare& share : SharesOf(server)) {
        if (!share.listed)
            continue;
        // IPC$ is of no device type: only a browse of every type shows it.
        if (type != kTypeAny && share.type != type)
            continue;
        entries.push_back(
            {"\\\\" + server.name + "\\" + share.name, share.comment, share.type, kDisplayShare, kUsageConnectable});
    }
    return kOk;
}
