// What a reader tells about one member of an archive.
#pragma once

#include <cstdint>
#include <string>

namespace torpin {

struct MemberInfo {
    std::string name;  // as stored, cut at a NUL and at the name limit
    std::uint64_t packedSize = 0;
    std::uint64_t size = 0;  // declared; never trusted to bound the output
    std::uint32_t crc = 0;  // declared CRC-32 of the contents
    std::uint16_t method = 0;  // the format's own method number
    bool encrypted = false;
    bool directory = false;
    // Bytes of the archive this member occupies, header included: [rangeStart, rangeEnd).
    std::uint64_t rangeStart = 0;
    std::uint64_t rangeEnd = 0;
    // Where a reader finds the member again (an offset or an index of its own).
    std::uint64_t locator = 0;
};

}  // namespace torpin
