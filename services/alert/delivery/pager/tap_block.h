// The blocks of the alphanumeric paging protocol: control characters, checksum and message blocks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tap {

inline constexpr char kStx = '\x02';
inline constexpr char kEtx = '\x03';
inline constexpr char kEot = '\x04';
inline constexpr char kAck = '\x06';
inline constexpr char kCr = '\r';
inline constexpr char kNak = '\x15';
inline constexpr char kEtb = '\x17';
inline constexpr char kEsc = '\x1b';
inline constexpr char kRs = '\x1e';
inline constexpr char kUs = '\x1f';

// A terminal takes blocks of at most 250 characters, from STX to the closing CR.
inline constexpr std::size_t kMaxBlock = 250;

// The three checksum characters of a block: the sum of its 7-bit characters from STX through the
// block's closing ETX, ETB or US, its low 12 bits written as three digits 0x30 + nibble, high first.
std::string Checksum(std::string_view fromStxThroughEnd);

// A field as the terminal takes it: characters 0x20-0x7E only. A line break or other control
// character inside the alert text would end the field early or break the framing, so each
// becomes a space; characters beyond ASCII become '?'.
std::string FieldText(std::string_view text);

// The blocks of one page: every field followed by CR, cut into blocks of at most `maxBlock`
// characters. A block that ends inside a field closes with US and the field goes on in the next;
// one that ends after a field with more to come closes with ETB; the last closes with ETX.
std::vector<std::string> EncodeBlocks(const std::vector<std::string>& fields, std::size_t maxBlock = kMaxBlock);

// The logon the caller sends after "ID=": ESC, "PG1" (the paging service, type 1) and the
// terminal's password, then CR.
std::string Logon(std::string_view password);

// What the caller sends once its pages are done.
inline constexpr std::string_view kEndOfTransmission = "\x04\r";

}  // namespace tap
