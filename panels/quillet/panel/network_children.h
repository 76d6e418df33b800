// The disk resources below one container of the network, as the scan tree lists them.
#pragma once

#include <vector>

#include "network_listing.h"

// Every disk resource below `container` (null: the whole network, that is the providers), global
// scope. 0 with the entries; the error of the open or of a read otherwise (the end of the items
// is no error).
DWORD ListNetworkChildren(NetworkProvider& network, NetResourceCopy* container, std::vector<NetResourceCopy>& entries);
