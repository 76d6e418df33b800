// Byte layout of the alert pipe's request and reply.
#include "alert_message.h"

#include <cstring>

#include "byte_order.h"

namespace {

constexpr char kMagic[4] = {'M', 'W', 'A', '1'};

void PutText(std::uint8_t* at, std::size_t size, const std::string& text)
{
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(at, text.data(), length);
}

std::string GetText(const std::uint8_t* at, std::size_t size)
{
    std::size_t length = 0;
    while (length < size && at[length] != 0)
        ++length;
    return std::string(reinterpret_cast<const char*>(at), length);
}

}  // namespace

std::string AlertPipePath(const std::string& machine)
{
    return "\\\\" + (machine.empty() ? std::string(".") : machine) + "\\pipe\\" + kAlertPipeName;
}

std::array<std::uint8_t, kAlertMessageSize> AlertMessage::Encode() const
{
    std::array<std::uint8_t, kAlertMessageSize> bytes {};
    std::memcpy(bytes.data(), kMagic, sizeof kMagic);
    PutU32(bytes.data() + 4, static_cast<std::uint32_t>(type));
    PutU32(bytes.data() + 8, static_cast<std::uint32_t>(count));
    PutU32(bytes.data() + 12, static_cast<std::uint32_t>(priority));
    PutText(bytes.data() + 16, 64, product);
    PutText(bytes.data() + 80, 256, text);
    PutText(bytes.data() + 336, 64, code);
    PutText(bytes.data() + 400, 64, server);
    return bytes;
}

std::optional<AlertMessage> AlertMessage::Decode(const std::uint8_t* data, std::size_t size)
{
    if (size != kAlertMessageSize || std::memcmp(data, kMagic, sizeof kMagic) != 0)
        return std::nullopt;
    AlertMessage message;
    message.type = static_cast<std::int32_t>(GetU32(data + 4));
    message.count = static_cast<std::int32_t>(GetU32(data + 8));
    message.priority = static_cast<std::int32_t>(GetU32(data + 12));
    message.product = GetText(data + 16, 64);
    message.text = GetText(data + 80, 256);
    message.code = GetText(data + 336, 64);
    message.server = GetText(data + 400, 64);
    return message;
}

std::array<std::uint8_t, 4> EncodeAlertReply(std::uint32_t result)
{
    std::array<std::uint8_t, 4> bytes {};
    PutU32(bytes.data(), result);
    return bytes;
}

std::uint32_t DecodeAlertReply(const std::uint8_t* data, std::size_t size)
{
    return size == 4 ? GetU32(data) : kAlertNotRecorded;
}
