// The listing of one container, read to its end.
#include "network_children.h"

DWORD ListNetworkChildren(NetworkProvider& network, NetResourceCopy* container, std::vector<NetResourceCopy>& entries)
{
    entries.clear();
    NetworkListing listing(network, RESOURCETYPE_DISK, container);
    if (listing.OpenResult() != NO_ERROR)
        return listing.OpenResult();
    std::vector<NetResourceCopy> batch;
    for (;;) {
        const DWORD result = listing.Next(batch, static_cast<DWORD>(-1));
        if (result == ERROR_NO_MORE_ITEMS)
            return NO_ERROR;
        if (result != NO_ERROR)
            return result;
        entries.insert(entries.end(), batch.begin(), batch.end());
    }
}
