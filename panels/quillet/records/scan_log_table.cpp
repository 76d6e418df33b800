// The scan log's rules: numbering, listing and deleting over a store of its bytes.
#include "scan_log_table.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace scan_log {

namespace {

std::uint64_t SlotOffset(std::uint32_t number)
{
    return static_cast<std::uint64_t>(number) * kSlotSize;
}

std::optional<ScanLogHeader> ReadHeader(ScanLogStore& store)
{
    std::uint8_t bytes[kSlotSize];
    if (!store.Read(0, bytes, sizeof bytes))
        return std::nullopt;
    return HeaderFromBytes(bytes);
}

bool WriteHeader(ScanLogStore& store, const ScanLogHeader& header)
{
    std::uint8_t bytes[kSlotSize];
    HeaderToBytes(header, bytes);
    return store.Write(0, bytes, sizeof bytes);
}

}  // namespace

bool MemoryScanLogStore::Read(std::uint64_t offset, void* data, std::size_t length)
{
    if (offset > bytes.size() || length > bytes.size() - offset)
        return false;
    std::memcpy(data, bytes.data() + offset, length);
    return true;
}

bool MemoryScanLogStore::Write(std::uint64_t offset, const void* data, std::size_t length)
{
    if (offset + length > bytes.size())
        bytes.resize(static_cast<std::size_t>(offset + length), '\0');
    std::memcpy(bytes.data() + offset, data, length);
    return true;
}

bool MemoryScanLogStore::Truncate(std::uint64_t length)
{
    bytes.resize(static_cast<std::size_t>(length));
    return true;
}

std::uint32_t EntrySlotCount(ScanLogStore& store)
{
    const std::uint64_t slots = store.Size() / kSlotSize;
    if (slots <= 1)
        return 0;
    // Numbers are six digits in the report names and 32 bits in the header.
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(slots - 1, 0xFFFFFFFEu));
}

std::uint32_t ChooseEntryNumber(ScanLogStore& store)
{
    const std::uint32_t slots = EntrySlotCount(store);
    std::uint32_t number = kFirstEntrySlot;
    for (; number <= slots; ++number) {
        const std::optional<ScanLogEntry> entry = ReadEntry(store, number);
        if (!entry || entry->inUse != 1)
            break;
    }
    return number;
}

bool WriteEmptyHeader(ScanLogStore& store)
{
    const std::uint8_t zero[kSlotSize] = {};
    return store.Write(0, zero, sizeof zero);
}

bool WriteEntry(ScanLogStore& store, std::uint32_t number, const ScanLogEntry& entry)
{
    std::uint8_t bytes[kSlotSize];
    EntryToBytes(entry, bytes);
    if (!store.Write(SlotOffset(number), bytes, sizeof bytes))
        return false;
    std::optional<ScanLogHeader> header = ReadHeader(store);
    if (!header)
        return true;
    // A damaged count is not made worse: a negative one starts again from zero, a full one stays.
    if (header->entriesInUse < 0)
        header->entriesInUse = 0;
    if (header->entriesInUse < INT32_MAX)
        ++header->entriesInUse;
    header->highestNumber = std::max(header->highestNumber, number);
    return WriteHeader(store, *header);
}

bool EraseSlot(ScanLogStore& store, std::uint32_t number)
{
    const std::uint8_t zero[kSlotSize] = {};
    return number >= kFirstEntrySlot && store.Write(SlotOffset(number), zero, sizeof zero);
}

std::optional<ScanLogEntry> ReadEntry(ScanLogStore& store, std::uint32_t number)
{
    if (number < kFirstEntrySlot)
        return std::nullopt;
    std::uint8_t bytes[kSlotSize];
    if (!store.Read(SlotOffset(number), bytes, sizeof bytes))
        return std::nullopt;
    return EntryFromBytes(bytes);
}

bool IsListed(const ScanLogEntry& entry)
{
    return entry.inUse == 1 && entry.action <= kHighestAction;
}

std::vector<NumberedEntry> ListedEntries(ScanLogStore& store)
{
    std::vector<NumberedEntry> listed;
    const std::uint32_t slots = EntrySlotCount(store);
    for (std::uint32_t number = kFirstEntrySlot; number <= slots; ++number) {
        const std::optional<ScanLogEntry> entry = ReadEntry(store, number);
        if (!entry)
            break;
        if (IsListed(*entry))
            listed.push_back({number, *entry});
    }
    return listed;
}

bool FreeEntry(ScanLogStore& store, std::uint32_t number)
{
    if (number < kFirstEntrySlot || number > EntrySlotCount(store))
        return false;
    if (!EraseSlot(store, number))
        return false;
    std::optional<ScanLogHeader> header = ReadHeader(store);
    if (!header)
        return true;
    header->entriesInUse = header->entriesInUse > 0 ? header->entriesInUse - 1 : 0;
    return WriteHeader(store, *header);
}

bool FreeAllEntries(ScanLogStore& store, const std::function<void(std::uint32_t number)>& removeReport)
{
    const std::uint32_t slots = EntrySlotCount(store);
    for (std::uint32_t number = kFirstEntrySlot; number <= slots; ++number) {
        const std::optional<ScanLogEntry> entry = ReadEntry(store, number);
        if (entry && entry->inUse == 1)
            removeReport(number);
    }
    return WriteEmptyHeader(store) && store.Truncate(kSlotSize);
}

}  // namespace scan_log
