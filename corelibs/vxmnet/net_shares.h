// The shares a server of the network offers: ADMIN$, IPC$, its data share, PRINT$ where it
// has print queues, and one print share per queue.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "net_site.h"

struct NetShare {
    std::string name;
    std::string comment;
    std::uint32_t type = netcodes::kTypeDisk;  // kTypeAny for IPC$
    bool listed = true;  // PRINT$ is connectable but not listed
};

std::vector<NetShare> SharesOf(const NetServer& server);
// The share of that name, ignoring case; nullptr when the server has none.
const NetShare* FindShare(const std::vector<NetShare>& shares, const std::string& name);
