// Every server's shares, the same on each so that a browse finds them where it expects.
#include "net_shares.h"

std::vector<NetShare> SharesOf(const NetServer& server)
{
    std::vector<NetShare> shares = {
        {"ADMIN$", "Remote Admin", netcodes::kTypeDisk, true},
        {"IPC$", "Remote IPC", netcodes::kTypeAny, true},
        {kDataShare, "Data folder", netcodes::kTypeDisk, true},
    };
    if (!server.queues.empty())
        shares.push_back({"PRINT$", "Printer Drivers", netcodes::kTypeDisk, false});
    for (const NetQueue& queue : server.queues)
        shares.push_back({queue.name, queue.comment, netcodes::kTypePrint, true});
    return shares;
}

const NetShare* FindShare(const std::vector<NetShare>& shares, const std::string& name)
{
    for (const NetShare& share : shares) {
        if (SameComputerName(share.name, name))
            return &share;
    }
    return nullptr;
}
