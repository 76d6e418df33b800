// First-free-slot search, tag-last record writes and header counting for ALRECORD.TBL.
#include "alert_table.h"

#include <algorithm>
#include <vector>

std::optional<std::uint32_t> AlertTable::FindFreeSlot()
{
    const std::optional<std::uint64_t> size = m_file.Size();
    if (!size)
        return std::nullopt;
    if (*size < kSlotSize) {
        const Slot header = TableHeader().Encode();
        if (!m_file.WriteAt(0, header.data(), header.size()))
            return std::nullopt;
    }
    const std::uint64_t wholeSlots = *size / kSlotSize;
    // Slots are read a block at a time: a table of many records is searched in few reads.
    constexpr std::uint64_t kSlotsPerRead = 64;
    std::vector<std::uint8_t> block(kSlotsPerRead * kSlotSize);
    for (std::uint64_t first = 1; first < wholeSlots && first <= kMaxSlot; first += kSlotsPerRead) {
        const std::uint64_t count = std::min(kSlotsPerRead, wholeSlots - first);
        if (!m_file.ReadAt(first * kSlotSize, block.data(), count * kSlotSize))
            return std::nullopt;
        for (std::uint64_t i = 0; i < count && first + i <= kMaxSlot; ++i) {
            Slot slot;
            std::copy_n(block.begin() + static_cast<std::ptrdiff_t>(i * kSlotSize), kSlotSize, slot.begin());
            if (!SlotHoldsRecord(slot))
                return static_cast<std::uint32_t>(first + i);
        }
    }
    // A torn last slot (a length that is not a whole number of slots) is overwritten.
    const std::uint64_t next = wholeSlots < 1 ? 1 : wholeSlots;
    if (next > kMaxSlot)
        return std::nullopt;
    return static_cast<std::uint32_t>(next);
}

bool AlertTable::WriteRecord(std::uint32_t slot, const AlertRecord& record)
{
    if (slot == 0 || slot > kMaxSlot)
        return false;
    const Slot bytes = record.Encode();
    const std::uint64_t at = static_cast<std::uint64_t>(slot) * kSlotSize;
    const std::uint8_t cleared = 0;
    return m_file.WriteAt(at, &cleared, 1) && m_file.WriteAt(at + 1, bytes.data() + 1, bytes.size() - 1) &&
        m_file.WriteAt(at, bytes.data(), 1);
}

bool AlertTable::CountRecord(int priority)
{
    std::optional<TableHeader> header = ReadHeader();
    if (!header)
        return false;
    header->Count(priority);
    const Slot bytes = header->Encode();
    // Only the three counts change; the rest of the header slot stays as it is.
    return m_file.WriteAt(0, bytes.data(), 12);
}

std::optional<TableHeader> AlertTable::ReadHeader()
{
    Slot slot {};
    if (!m_file.ReadAt(0, slot.data(), slot.size()))
        return std::nullopt;
    return TableHeader::Decode(slot);
}
