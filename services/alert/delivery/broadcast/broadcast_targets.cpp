// Resolving broadcast recipient records to computers and routes.
#include "broadcast_targets.h"

#include <algorithm>

#include "messenger_message.h"

namespace broadcast_targets {

bool IsComputerName(const std::string& name)
{
    if (name.empty() || name.size() > messenger_message::kMaxNameLength)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == '\\' || c == '/' || c == '*';
    });
}

MessengerRoute RouteOf(const std::string& machine, const SiteDescription& site, const std::string& localComputer)
{
    if (SameComputerName(machine, localComputer))
        return MessengerRoute::Local;
    const SiteServer* server = site.Find(machine);
    if (server && !server->dataDirectory.empty())
        return MessengerRoute::SiteServer;
    // The default site names the local computer without a folder; any other server
    // without one is a real computer of the network.
    return MessengerRoute::Network;
}

BroadcastRecipient Resolve(const BroadcastRecord& record, const SiteDescription& site, const std::string& localComputer)
{
    BroadcastRecipient recipient;
    const std::string stored = broadcast_record::StoredName(record);
    if (broadcast_record::IsMachineName(stored)) {
        recipient.name = stored.substr(2);
        recipient.label = stored;
        if (!IsComputerName(recipient.name)) {
            recipient.refusal = "the recipient \"" + stored + "\" is not a computer name";
            return recipient;
        }
        recipient.targets.push_back({recipient.name, RouteOf(recipient.name, site, localComputer)});
        return recipient;
    }
    recipient.isDomain = true;
    recipient.name = broadcast_record::DisplayName(record);
    recipient.label = "domain " + recipient.name;
    if (recipient.name.empty()) {
        recipient.label = "an empty record";
        recipient.refusal = "the recipient record holds no name";
        return recipient;
    }
    for (const SiteServer& server : site.Servers()) {
        if (SameComputerName(server.domain, recipient.name))
            recipient.targets.push_back({server.name, RouteOf(server.name, site, localComputer)});
    }
    const std::vector<std::string> domains = site.Domains();
    const bool described = std::any_of(domains.begin(), domains.end(),
        [&](const std::string& domain) { return SameComputerName(domain, recipient.name); });
    if (described && recipient.targets.empty())
        recipient.refusal = "the domain " + recipient.name + " has no servers";
    return recipient;
}

std::string LogName(const BroadcastRecipient& recipient, const BroadcastTarget& target)
{
    std::string name = "\\\\" + target.machine;
    if (recipient.isDomain)
        name += " of domain " + recipient.name;
    return name;
}

}  // namespace broadcast_targets
