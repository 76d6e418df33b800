// The scan log's rules over any store of its bytes: numbering, listing and deleting entries.
// The header's count is kept up to date but never trusted: every walk goes by the file's size.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "scan_log_entry.h"

namespace scan_log {

// The bytes of MASTER.DB: a file on Windows, a string in the native tests.
class ScanLogStore {
public:
    virtual ~ScanLogStore() = default;
    virtual std::uint64_t Size() = 0;
    // False unless all `length` bytes were read.
    virtual bool Read(std::uint64_t offset, void* data, std::size_t length) = 0;
    // False unless all `length` bytes were written.
    virtual bool Write(std::uint64_t offset, const void* data, std::size_t length) = 0;
    virtual bool Truncate(std::uint64_t length) = 0;
};

// The table's bytes held in memory: for a copy read whole, and for the tests and the fuzz target.
class MemoryScanLogStore : public ScanLogStore {
public:
    std::string bytes;

    std::uint64_t Size() override { return bytes.size(); }
    bool Read(std::uint64_t offset, void* data, std::size_t length) override;
    bool Write(std::uint64_t offset, const void* data, std::size_t length) override;
    bool Truncate(std::uint64_t length) override;
};

// The number of whole slots after the header; a partial slot at the end does not count.
std::uint32_t EntrySlotCount(ScanLogStore& store);

// 1 plus the count of consecutive slots in use from slot 1: the first free slot, or the end.
std::uint32_t ChooseEntryNumber(ScanLogStore& store);

// A new table: the header of 256 zero bytes.
bool WriteEmptyHeader(ScanLogStore& store);

// Writes `entry` at slot `number` and counts it in the header (when the header can be read
// whole). False when the slot or the header could not be written.
bool WriteEntry(ScanLogStore& store, std::uint32_t number, const ScanLogEntry& entry);

// Slot `number` back to 256 zero bytes without touching the header: an entry whose write
// could not be completed is taken back.
bool EraseSlot(ScanLogStore& store, std::uint32_t number);

// The entry of slot `number`, or nothing when the slot is not there whole.
std::optional<ScanLogEntry> ReadEntry(ScanLogStore& store, std::uint32_t number);

struct NumberedEntry {
    std::uint32_t number;
    ScanLogEntry entry;
};
// Entries the viewer lists: in use, with an action 0 to 6, in slot order.
std::vector<NumberedEntry> ListedEntries(ScanLogStore& store);
bool IsListed(const ScanLogEntry& entry);

// Frees slot `number` (256 zero bytes) and takes one from the header's count (never below 0);
// the highest number stays.
bool FreeEntry(ScanLogStore& store, std::uint32_t number);

// Every in-use slot's report goes through `removeReport`, then the table is cut back to an empty header.
bool FreeAllEntries(ScanLogStore& store, const std::function<void(std::uint32_t number)>& removeReport);

}  // namespace scan_log
