// The messenger datagram: encoding with splitting, tolerant decoding, display line breaks.
#include "messenger_message.h"

#include <algorithm>
#include <cstring>

namespace messenger_message {

namespace {

bool ValidName(const std::string& name)
{
    if (name.empty() || name.size() > kMaxNameLength)
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

void Append(std::vector<std::uint8_t>& out, const std::string& field)
{
    out.insert(out.end(), field.begin(), field.end());
    out.push_back(0);
}

// Where the next part of the text ends: as far as room allows, but never between the CR and
// the LF of one line break, so that each part shows its lines whole.
std::size_t PartEnd(const std::string& text, std::size_t begin, std::size_t room)
{
    std::size_t end = std::min(text.size(), begin + room);
    if (end < text.size() && end - begin > 1 && text[end - 1] == '\r' && text[end] == '\n')
        --end;
    return end;
}

}  // namespace

std::vector<std::vector<std::uint8_t>> Encode(const MessengerMessage& message, std::size_t datagramLimit)
{
    std::vector<std::vector<std::uint8_t>> datagrams;
    if (!ValidName(message.sender) || !ValidName(message.recipient))
        return datagrams;
    const std::size_t header = message.sender.size() + 1 + message.recipient.size() + 1;
    if (datagramLimit <= header + 1)
        return datagrams;
    const std::size_t room = datagramLimit - header - 1;
    std::string text = message.text;
    std::replace(text.begin(), text.end(), '\0', ' ');
    std::size_t begin = 0;
    do {
        const std::size_t end = PartEnd(text, begin, room);
        std::vector<std::uint8_t> datagram;
        datagram.reserve(header + (end - begin) + 1);
        Append(datagram, message.sender);
        Append(datagram, message.recipient);
        Append(datagram, text.substr(begin, end - begin));
        datagrams.push_back(std::move(datagram));
        begin = end;
    } while (begin < text.size());
    return datagrams;
}

std::optional<MessengerMessage> Decode(const std::uint8_t* bytes, std::size_t size)
{
    if (bytes == nullptr || size == 0)
        return std::nullopt;
    const char* data = reinterpret_cast<const char*>(bytes);
    const void* first = std::memchr(data, 0, size);
    if (!first)
        return std::nullopt;
    const std::size_t senderEnd = static_cast<const char*>(first) - data;
    const void* second = std::memchr(data + senderEnd + 1, 0, size - senderEnd - 1);
    if (!second)
        return std::nullopt;
    const std::size_t recipientEnd = static_cast<const char*>(second) - data;
    MessengerMessage message;
    message.sender.assign(data, senderEnd);
    message.recipient.assign(data + senderEnd + 1, recipientEnd - senderEnd - 1);
    if (!ValidName(message.sender) || !ValidName(message.recipient))
        return std::nullopt;
    const std::size_t textBegin = recipientEnd + 1;
    const std::size_t textLength = strnlen(data + textBegin, size - textBegin);
    message.text.assign(data + textBegin, textLength);
    return message;
}

std::string DisplayText(const std::string& text)
{
    std::string shown;
    shown.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            shown += "\r\n";
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else if (c == '\n') {
            shown += "\r\n";
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace messenger_message
