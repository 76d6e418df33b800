// The mailslot names the messenger reads and the Alert Service writes.
#pragma once

#include <string>

namespace messenger_slot {

// This computer's messenger reads the mailslot of the classic messenger protocol.
inline constexpr const char* kLocalSlot = "\\\\.\\mailslot\\messngr";

// A site server is stood in for on this computer, so its messenger reads a mailslot of its
// own one level below the classic one, "\\.\mailslot\messngr\ALPHA" (the name upper-cased;
// the platform compares mailslot names without regard to case anyway).
std::string SiteServerSlot(const std::string& server);

// Another computer's messenger, reached over the network: "\\NAME\mailslot\messngr".
std::string RemoteSlot(const std::string& computer);

}  // namespace messenger_slot
