// Any bytes as a record table: every slot's fields and the header read within their bounds.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "alert_record_format.h"
#include "alert_record_view.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace alert_table;
    const std::int64_t slots = RecordSlotCount(static_cast<std::int64_t>(size));
    if (size >= kSlotSize) {
        // Each slot is copied to a buffer of its own size, so a read past it is caught.
        std::vector<std::uint8_t> header(data, data + kSlotSize);
        HeaderCounts counts = ReadHeaderCounts(header.data());
        for (std::int64_t i = 1; i <= slots; ++i) {
            std::vector<std::uint8_t> slot(data + i * kSlotSize, data + (i + 1) * kSlotSize);
            const Record record = ReadRecord(slot.data());
            if (record.eventFile.size() > kEventFileSize || record.description.size() > kDescriptionSize ||
                record.application.size() > kApplicationSize)
                __builtin_trap();
            if (SlotHoldsRecord(slot.data()))
                DecreaseCountForPriority(counts, record.priority);
            if (counts.critical < 0 && ReadHeaderCounts(header.data()).critical >= 0)
                __builtin_trap();
            char path[kEventPathSize];
            BuildEventFilePath("C:\\ALERT\\EVENTLOG", record.eventFile, path);
            if (std::strlen(path) >= kEventPathSize)
                __builtin_trap();
            std::vector<std::uint8_t> written(kSlotSize);
            WriteRecord(record, written.data());
            const Record again = ReadRecord(written.data());
            if (again.eventFile != record.eventFile.substr(0, kEventFileSize - 1) ||
                again.priority != record.priority || again.time != record.time)
                __builtin_trap();
        }
    }
    return 0;
}
