// SnmpRecord: the 68-byte SNMP manager exchanged with the alert core, with its address texts.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#pragma pack(push, 1)

struct SnmpRecord {
    std::uint8_t ipxNode[6];
    std::uint8_t ipxNetwork[4];
    std::uint8_t reserved[2];
    std::uint8_t ipAddress[4];  // network byte order
    char managerName[51];
    std::int8_t transport;  // 1 IPX, 2 IP
};

#pragma pack(pop)

static_assert(sizeof(SnmpRecord) == 68);
static_assert(offsetof(SnmpRecord, ipxNode) == 0);
static_assert(offsetof(SnmpRecord, ipxNetwork) == 6);
static_assert(offsetof(SnmpRecord, ipAddress) == 12);
static_assert(offsetof(SnmpRecord, managerName) == 16);
static_assert(offsetof(SnmpRecord, transport) == 67);

namespace snmp_record {

constexpr std::int8_t kViaIpx = 1;
constexpr std::int8_t kViaIp = 2;
constexpr int kNetworkDigits = 8;
constexpr int kNodeDigits = 12;
// A name of 50 characters is refused: it would leave the field no room for its terminator
// in the core's copies.
constexpr int kManagerNameLimit = 49;

// "%02X" of each byte, in order.
std::string HexText(const std::uint8_t* bytes, std::size_t count);
// Whether every character is a hex digit (an empty text pads to zeros).
bool IsHexText(const std::string& text);
// The text, padded on the left with "0" to `digits`, as digits / 2 bytes, two digits a byte.
// Characters that are no hex digit keep their own value, as the stored records always had.
void HexToBytes(const std::string& text, int digits, std::uint8_t* bytes);

// The four parts of the address, first byte first.
std::array<std::string, 4> AddressParts(const std::uint8_t (&address)[4]);
// The address of four decimal parts (an empty part is 0); none when a part is no number of
// 0 to 255, which would name another address than the one typed.
std::optional<std::array<std::uint8_t, 4>> AddressFromParts(const std::array<std::string, 4>& parts);

}  // namespace snmp_record
