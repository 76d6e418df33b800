// MessengerMessage: one datagram of the messenger mailslot, "sender NUL recipient NUL text NUL".
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct MessengerMessage {
    std::string sender;  // the sending computer, a bare name
    std::string recipient;  // the computer (or user) the message is for
    std::string text;  // in the system's ANSI code page; lines end in CR LF
};

namespace messenger_message {

// A mailslot datagram between two computers carries at most 424 bytes; a local one as much
// as the reading mailslot was made for, which the messenger sets to kLocalDatagramLimit.
constexpr std::size_t kNetworkDatagramLimit = 424;
constexpr std::size_t kLocalDatagramLimit = 4096;
// The longest sender or recipient name the messenger accepts (the site's computer names).
constexpr std::size_t kMaxNameLength = 63;

// The datagrams that carry the message, in order: a text too long for one datagram is
// split over several, each with the same sender and recipient, so nothing of it is lost.
// A NUL inside the text would end it early and becomes a blank. Nothing (an empty list)
// for a sender or recipient that is empty, too long or holds a control character, or a
// limit too small to carry any text.
std::vector<std::vector<std::uint8_t>> Encode(const MessengerMessage& message, std::size_t datagramLimit);

// Reads one datagram. The text's own terminator may be missing (the datagram's end ends
// it) and anything after it is ignored; a datagram without both name terminators, with an
// empty sender or with a name the encoder would refuse is not a message.
std::optional<MessengerMessage> Decode(const std::uint8_t* bytes, std::size_t size);

// The text as a multi-line edit control shows it: every line break as CR LF.
std::string DisplayText(const std::string& text);

}  // namespace messenger_message
