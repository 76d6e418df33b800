// Feeds arbitrary datagrams to the messenger's reader: anyone may write to its mailslot.
#include <cstddef>
#include <cstdint>

#include "messenger_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto message = messenger_message::Decode(data, size);
    if (!message)
        return 0;
    messenger_message::DisplayText(message->text);
    // What was read must travel again as messages that read back to the same text.
    std::string joined;
    for (const auto& datagram : messenger_message::Encode(*message, messenger_message::kNetworkDatagramLimit)) {
        if (datagram.size() > messenger_message::kNetworkDatagramLimit)
            __builtin_trap();
        const auto part = messenger_message::Decode(datagram.data(), datagram.size());
        if (!part || part->sender != message->sender || part->recipient != message->recipient)
            __builtin_trap();
        joined += part->text;
    }
    if (joined != message->text)
        __builtin_trap();
    return 0;
}
