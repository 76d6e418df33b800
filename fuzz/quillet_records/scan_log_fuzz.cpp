// Any bytes as MASTER.DB: listing, numbering, writing and deleting stay within the table,
// whatever its header says and however long it is.
#include <cstddef>
#include <cstdint>

#include "record_list_line.h"
#include "scan_log_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace scan_log;
    MemoryScanLogStore store;
    store.bytes.assign(reinterpret_cast<const char*>(data), size);
    const std::uint32_t slots = EntrySlotCount(store);
    const LocaleFormat format;
    for (const NumberedEntry& listed : ListedEntries(store)) {
        if (listed.number < 1 || listed.number > slots || !IsListed(listed.entry))
            __builtin_trap();
        if (FieldText(listed.entry.scannedPaths).size() > sizeof listed.entry.scannedPaths)
            __builtin_trap();
        EntryListLine(listed.entry, EntryDateTimeText(listed.entry, format), "Report Only", "Completed");
    }
    const std::uint32_t number = ChooseEntryNumber(store);
    if (number < 1 || number > slots + 1)
        __builtin_trap();
    ScanLogFacts facts;
    facts.scannedPaths = "C:\\;";
    WriteEntry(store, number, MakeEntry(facts, number));
    if (store.Size() < (static_cast<std::uint64_t>(number) + 1) * kSlotSize)
        __builtin_trap();
    FreeEntry(store, number);
    std::uint32_t removed = 0;
    FreeAllEntries(store, [&](std::uint32_t) { ++removed; });
    if (store.Size() != kSlotSize || removed > slots + 1)
        __builtin_trap();
    return 0;
}
