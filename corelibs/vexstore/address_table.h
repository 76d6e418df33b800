// The three broadcast address tables: their sizes and limits, the chunked load and save, and
// the payload of their files (NTDOMAIN.VXT, IPNET.VXT, IPMASK.VXT).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

struct TableShape {
    std::uint32_t number;  // 1 NT domains, 2 IP nets, 4 IP masks
    std::uint32_t entrySize;  // 80, 24, 24
    std::uint32_t largestCount;  // 3072, 4096, 32
    const char* fileName;
};

// The shape of a table number; nothing for any number but 1, 2 and 4.
const TableShape* FindTable(std::uint32_t number);
// The three tables in the order of their bits.
const TableShape* const* AllTables();
inline constexpr std::size_t kTableCount = 3;

class AddressTable {
public:
    explicit AddressTable(const TableShape& shape) : m_shape(&shape) { }

    const TableShape& Shape() const { return *m_shape; }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(m_bytes.size() / m_shape->entrySize); }
    const std::vector<std::uint8_t>& Bytes() const { return m_bytes; }

    // Copies at most `wanted` entries from entry `first` into the buffer, never more than fit
    // in `bufferSize` bytes; gives the number copied (0 past the end).
    std::uint32_t Load(std::uint32_t first, std::uint32_t wanted, std::uint8_t* buffer, std::size_t bufferSize) const;
    // Stores `count` entries: replacing the table when `replace`, else appending. Entries beyond
    // the largest count are not stored; gives the number stored.
    std::uint32_t Save(const std::uint8_t* entries, std::uint32_t count, bool replace);

    // File payload: table number, entry size, count (each 32-bit), then the entries.
    std::vector<std::uint8_t> Encode() const;
    // Refuses another table's payload, a wrong entry size, a count above the largest or one
    // that disagrees with the payload's length.
    static std::optional<AddressTable> Decode(const TableShape& shape, const std::vector<std::uint8_t>& payload);
    static std::size_t LargestPayload(const TableShape& shape)
    {
        return 12 + std::size_t(shape.entrySize) * shape.largestCount;
    }

private:
    const TableShape* m_shape;
    std::vector<std::uint8_t> m_bytes;
};

inline constexpr char kTableMagic[9] = "VXMTABL1";
