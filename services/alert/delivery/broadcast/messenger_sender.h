// Sending one message to one computer's messenger, the way its route says, every wait bounded.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "broadcast_targets.h"
#include "messenger_message.h"

struct SendOutcome {
    bool delivered = false;
    std::string text;  // for ALERT.LOG: "delivered to the messenger", "not delivered: ..."
};

namespace messenger_sender {

// The longest a call that goes over the network may take before the computer counts as not
// answering: the system's message call, and opening and writing a remote mailslot.
constexpr DWORD kNetworkTimeoutMs = 10000;

// Writes every datagram to the mailslot `slot`: 0, or the error of the open or of a write.
DWORD WriteMailslot(const std::string& slot, const std::vector<std::vector<std::uint8_t>>& datagrams);

// This computer and the site servers: the mailslot here (this computer tries the system's
// messenger first where there is one). Other computers: the system's messenger, then the
// computer's mailslot over the network, in datagrams of at most 424 bytes. `stop` (may be
// null) ends a wait early.
SendOutcome Send(const BroadcastTarget& target, const MessengerMessage& message, HANDLE stop);

}  // namespace messenger_sender
