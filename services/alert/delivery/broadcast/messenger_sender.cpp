// The routes of a broadcast message: the system's messenger, a local mailslot, a remote one.
#include "messenger_sender.h"

#include <memory>

#include "bounded_call.h"
#include "messenger_slot.h"
#include "system_messenger.h"

namespace messenger_sender {

namespace {

std::string ErrorText(DWORD error)
{
    return "error " + std::to_string(error);
}

SendOutcome Delivered(const std::string& how)
{
    return {true, "delivered " + how};
}

SendOutcome NotDelivered(const std::string& why)
{
    return {false, "not delivered: " + why};
}

SendOutcome ThroughLocalMailslot(const std::string& slot, const BroadcastTarget& target, const MessengerMessage& message)
{
    const DWORD error = WriteMailslot(slot, messenger_message::Encode(message, messenger_message::kLocalDatagramLimit));
    if (error == 0)
        return Delivered("to the messenger");
    if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND)
        return NotDelivered("no messenger is running on " + target.machine);
    return NotDelivered("the messenger of " + target.machine + " refused the message (" + ErrorText(error) + ")");
}

// The system's message call for `computer`: true when it took the message. A call that does
// not answer in time counts as refused, and the mailslot is tried next.
bool ThroughSystemMessenger(const std::string& computer, const std::string& text, HANDLE stop)
{
    if (!system_messenger::Available())
        return false;
    const std::optional<DWORD> result =
        RunBounded([computer, text] { return system_messenger::Send(computer, text); }, kNetworkTimeoutMs, stop);
    return result && *result == 0;
}

SendOutcome ThroughNetworkMailslot(const BroadcastTarget& target, const MessengerMessage& message, HANDLE stop)
{
    const std::string slot = messenger_slot::RemoteSlot(target.machine);
    auto datagrams = std::make_shared<std::vector<std::vector<std::uint8_t>>>(
        messenger_message::Encode(message, messenger_message::kNetworkDatagramLimit));
    const std::optional<DWORD> result =
        RunBounded([slot, datagrams] { return WriteMailslot(slot, *datagrams); }, kNetworkTimeoutMs, stop);
    if (!result && stop && WaitForSingleObject(stop, 0) == WAIT_OBJECT_0)
        return NotDelivered("the service stopped before " + target.machine + " answered");
    if (!result)
        return NotDelivered(target.machine + " did not answer within " + std::to_string(kNetworkTimeoutMs / 1000)
            + " seconds");
    if (*result == 0)
        return Delivered("to the messenger mailslot of \\\\" + target.machine + " (the network gives no receipt)");
    return NotDelivered("the computer " + target.machine + " cannot be reached (" + ErrorText(*result) + ")");
}

}  // namespace

DWORD WriteMailslot(const std::string& slot, const std::vector<std::vector<std::uint8_t>>& datagrams)
{
    if (datagrams.empty())
        return ERROR_INVALID_PARAMETER;
    HANDLE file = CreateFileA(
        slot.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return GetLastError();
    DWORD error = 0;
    for (const auto& datagram : datagrams) {
        DWORD written = 0;
        if (!WriteFile(file, datagram.data(), static_cast<DWORD>(datagram.size()), &written, nullptr)) {
            error = GetLastError();
            break;
        }
        if (written != datagram.size()) {
            error = ERROR_WRITE_FAULT;
            break;
        }
    }
    CloseHandle(file);
    return error;
}

SendOutcome Send(const BroadcastTarget& target, const MessengerMessage& message, HANDLE stop)
{
    switch (target.route) {
    case MessengerRoute::Local:
        if (ThroughSystemMessenger(target.machine, message.text, stop))
            return Delivered("by the system's messenger");
        return ThroughLocalMailslot(messenger_slot::kLocalSlot, target, message);
    case MessengerRoute::SiteServer:
        // The system's messenger does not know the stood-in servers (and might find a real
        // computer of that name on the network), so they are reached only through their slot.
        return ThroughLocalMailslot(messenger_slot::SiteServerSlot(target.machine), target, message);
    case MessengerRoute::Network:
        break;
    }
    if (ThroughSystemMessenger(target.machine, message.text, stop))
        return Delivered("by the system's messenger");
    return ThroughNetworkMailslot(target, message, stop);
}

}  // namespace messenger_sender
