// Chunked access to the address tables and their file payload.
#include "address_table.h"

#include <algorithm>
#include <cstring>

#include "byte_order.h"

namespace {

constexpr TableShape kNtDomains {1, 80, 3072, "NTDOMAIN.VXT"};
constexpr TableShape kIpNets {2, 24, 4096, "IPNET.VXT"};
constexpr TableShape kIpMasks {4, 24, 32, "IPMASK.VXT"};
constexpr const TableShape* kTables[kTableCount] = {&kNtDomains, &kIpNets, &kIpMasks};

}  // namespace

const TableShape* FindTable(std::uint32_t number)
{
    for (const TableShape* shape : kTables) {
        if (shape->number == number)
            return shape;
    }
    return nullptr;
}

const TableShape* const* AllTables()
{
    return kTables;
}

std::uint32_t AddressTable::Load(
    std::uint32_t first, std::uint32_t wanted, std::uint8_t* buffer, std::size_t bufferSize) const
{
    const std::uint32_t count = Count();
    if (!buffer || first >= count)
        return 0;
    const std::uint32_t fit = static_cast<std::uint32_t>(std::min<std::size_t>(bufferSize / m_shape->entrySize, count));
    const std::uint32_t copied = std::min({wanted, count - first, fit});
    if (copied)
        std::memcpy(
            buffer, m_bytes.data() + std::size_t(first) * m_shape->entrySize, std::size_t(copied) * m_shape->entrySize);
    return copied;
}

std::uint32_t AddressTable::Save(const std::uint8_t* entries, std::uint32_t count, bool replace)
{
    if (replace)
        m_bytes.clear();
    if (!entries)
        return 0;
    const std::uint32_t room = m_shape->largestCount - Count();
    const std::uint32_t stored = std::min(count, room);
    m_bytes.insert(m_bytes.end(), entries, entries + std::size_t(stored) * m_shape->entrySize);
    return stored;
}

std::vector<std::uint8_t> AddressTable::Encode() const
{
    std::vector<std::uint8_t> payload(12 + m_bytes.size());
    PutU32(&payload[0], m_shape->number);
    PutU32(&payload[4], m_shape->entrySize);
    PutU32(&payload[8], Count());
    if (!m_bytes.empty())
        std::memcpy(&payload[12], m_bytes.data(), m_bytes.size());
    return payload;
}

std::optional<AddressTable> AddressTable::Decode(const TableShape& shape, const std::vector<std::uint8_t>& payload)
{
    if (payload.size() < 12 || GetU32(&payload[0]) != shape.number || GetU32(&payload[4]) != shape.entrySize)
        return std::nullopt;
    const std::uint32_t count = GetU32(&payload[8]);
    if (count > shape.largestCount || payload.size() - 12 != std::size_t(count) * shape.entrySize)
        return std::nullopt;
    AddressTable table(shape);
    table.m_bytes.assign(payload.begin() + 12, payload.end());
    return table;
}
