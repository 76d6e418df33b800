// SnmpRecord's address texts: hex digits for IPX, four decimal parts for IP.
#include "snmp_record.h"

#include <cstdio>

namespace snmp_record {

namespace {

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 10;
    return static_cast<unsigned char>(c);
}

}  // namespace

std::string HexText(const std::uint8_t* bytes, std::size_t count)
{
    std::string text;
    char pair[3];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(pair, sizeof pair, "%02X", bytes[i]);
        text += pair;
    }
    return text;
}

bool IsHexText(const std::string& text)
{
    for (char c : text) {
        const bool digit = (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        if (!digit)
            return false;
    }
    return true;
}

void HexToBytes(const std::string& text, int digits, std::uint8_t* bytes)
{
    std::string padded = text.substr(0, static_cast<std::size_t>(digits));
    padded.insert(0, static_cast<std::size_t>(digits) - padded.size(), '0');
    for (int i = 0; i < digits / 2; ++i) {
        const int high = DigitValue(padded[static_cast<std::size_t>(2 * i)]);
        const int low = DigitValue(padded[static_cast<std::size_t>(2 * i + 1)]);
        bytes[i] = static_cast<std::uint8_t>((16 * high + low) & 0xFF);
    }
}

std::array<std::string, 4> AddressParts(const std::uint8_t (&address)[4])
{
    return {
        std::to_string(address[0]), std::to_string(address[1]), std::to_string(address[2]), std::to_string(address[3])};
}

std::optional<std::array<std::uint8_t, 4>> AddressFromParts(const std::array<std::string, 4>& parts)
{
    std::array<std::uint8_t, 4> address = {};
    for (std::size_t i = 0; i < 4; ++i) {
        int value = 0;
        for (char c : parts[i]) {
            if (c < '0' || c > '9')
                return std::nullopt;
            value = value * 10 + (c - '0');
            if (value > 255)
                return std::nullopt;
        }
        address[i] = static_cast<std::uint8_t>(value);
    }
    return address;
}

}  // namespace snmp_record
