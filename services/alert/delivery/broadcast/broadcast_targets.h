// Which computers one broadcast recipient record stands for, and how each is reached.
#pragma once

#include <string>
#include <vector>

#include "broadcast_record.h"
#include "site_description.h"

enum class MessengerRoute {
    Local,  // this computer: the classic mailslot (after the system's messenger where there is one)
    SiteServer,  // a site server stood in for on this computer: its own mailslot here
    Network,  // any other computer: the system's messenger, then its mailslot over the network
};

struct BroadcastTarget {
    std::string machine;  // bare computer name
    MessengerRoute route = MessengerRoute::Network;
};

struct BroadcastRecipient {
    bool isDomain = false;
    std::string name;  // the machine without its backslashes, or the domain without its "*"
    std::string label;  // as ALERT.LOG names the record itself: "\\ALPHA", "domain SALES"
    std::vector<BroadcastTarget> targets;  // a domain's are the site's servers of it, in site order
    std::string refusal;  // why the record names nothing that could be reached; empty when it does
};

namespace broadcast_targets {

// How a computer of this name is reached from `localComputer` on `site`.
MessengerRoute RouteOf(const std::string& machine, const SiteDescription& site, const std::string& localComputer);

// Reads one stored record: "\\NAME" a machine, "NAME*" a domain expanded through the site
// description (a domain the site does not know has no targets and no refusal: the caller
// asks the network; one it describes without servers is refused). A record with no name, a machine name that is not one computer (empty,
// over 63 characters, holding '\' or '/' or control characters) is refused.
BroadcastRecipient Resolve(const BroadcastRecord& record, const SiteDescription& site, const std::string& localComputer);

// The name as ALERT.LOG shows the computer: "\\ALPHA", or "\\ALPHA of domain SALES".
std::string LogName(const BroadcastRecipient& recipient, const BroadcastTarget& target);

// Whether a computer name from elsewhere (the network) is one the messenger can address.
bool IsComputerName(const std::string& name);

}  // namespace broadcast_targets
