// Mailslot names of the local computer, of a site server and of a computer on the network.
#include "messenger_slot.h"

#include <algorithm>
#include <cctype>

namespace messenger_slot {

std::string SiteServerSlot(const std::string& server)
{
    std::string upper = server;
    std::transform(upper.begin(), upper.end(), upper.begin(),
        [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return std::string(kLocalSlot) + "\\" + upper;
}

std::string RemoteSlot(const std::string& computer)
{
    return "\\\\" + computer + "\\mailslot\\messngr";
}

}  // namespace messenger_slot
