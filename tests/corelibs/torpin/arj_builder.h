// Builds ARJ archives of stored members header by header, for the damage tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "zip_builder.h"

namespace torpin::test {

struct ArjEntry {
    std::string name;
    Bytes data;
    std::uint8_t method = 0;
    std::uint8_t flags = 0;
    std::uint8_t type = 0;  // 0 binary, 3 folder
    std::optional<std::uint32_t> crc = std::nullopt;
    std::optional<std::uint32_t> size = std::nullopt;
};

class ArjBuilder {
public:
    ArjBuilder();  // writes the main header
    void add(const ArjEntry& entry);
    Bytes finish();  // writes the end marker

private:
    void header(const Bytes& basic);
    Bytes m_out;
};

// Offsets of every header (main header first) in an ARJ archive's bytes.
std::vector<std::size_t> arjHeaders(const Bytes& archive);
// Recomputes the CRC of the basic header at offset after a test changed it.
void fixArjHeaderCrc(Bytes& archive, std::size_t offset);

}  // namespace torpin::test
