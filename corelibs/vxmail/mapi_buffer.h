// Memory handed to Simple MAPI callers. The platform's MAPIFreeBuffer frees it, so it
// comes from the platform's MAPIAllocateBuffer, never from this library's own heap.
#pragma once

#include <windows.h>
#include <mapi.h>

#include <string>
#include <vector>

namespace vxmail {

struct Recipient {
    ULONG recipientClass = MAPI_TO;
    std::string name;  // display name
    std::string address;  // the mailbox name
};

// One block holding the recipient array and all its texts; null when the platform's
// allocator is missing or out of memory.
lpMapiRecipDesc AllocateRecipients(const std::vector<Recipient>& recipients);

}  // namespace vxmail
