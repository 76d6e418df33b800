// Builds ZIP archives byte by byte, sound or deliberately broken, for the tests.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace torpin::test {

using Bytes = std::vector<std::uint8_t>;

struct ZipEntry {
    std::string name;
    Bytes data;
    bool deflate = false;
    std::uint16_t flags = 0;
    bool descriptor = false;  // sizes and CRC after the data (flag bit 3)
    bool zip64 = false;  // sizes in the ZIP64 extra field
    std::optional<std::uint32_t> crc = std::nullopt;  // a wrong CRC to store
    std::optional<std::uint64_t> size = std::nullopt;  // a wrong uncompressed size to declare
    std::optional<std::uint16_t> method = std::nullopt;  // another method number to store
};

class ZipBuilder {
public:
    // Writes the local header and the data; returns the member's index.
    std::size_t add(const ZipEntry& entry);
    // Appends raw bytes between members (a stub, garbage, another header).
    void raw(const Bytes& bytes);
    // A second directory entry for member index, under another name (overlap cases).
    void alias(std::size_t index, const std::string& name);
    // A directory entry whose local header lies at offset, covering packedSize bytes
    // stored as they are.
    void central(const std::string& name, std::uint64_t offset, const Bytes& data);

    Bytes finish(bool zip64End = false);
    std::uint64_t offsetOf(std::size_t index) const { return m_records[index].offset; }
    std::size_t size() const { return m_out.size(); }

private:
    struct Record {
        std::string name;
        std::uint16_t flags, method;
        std::uint32_t crc;
        std::uint64_t packed, size, offset;
        bool zip64;
    };
    Bytes m_out;
    std::vector<Record> m_records;
    std::vector<Record> m_directory;
};

Bytes deflateRaw(const Bytes& data, int level = 9);
std::uint32_t crcOf(const Bytes& data);
void put16(Bytes& out, std::uint32_t v);
void put32(Bytes& out, std::uint32_t v);
void put64(Bytes& out, std::uint64_t v);

}  // namespace torpin::test
