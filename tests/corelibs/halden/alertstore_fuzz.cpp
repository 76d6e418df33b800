// Feeds arbitrary bytes to every reader of outside data in the alert storage.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "alert_message.h"
#include "alert_record.h"
#include "alert_table.h"
#include "application_settings.h"
#include "memory_table_file.h"
#include "site_description.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    if (const auto settings = ApplicationSettings::Decode(bytes)) {
        // Whatever decodes must encode to the very same bytes.
        if (settings->Encode() != bytes)
            __builtin_trap();
    }
    SiteDescription::Parse(std::string(bytes.begin(), bytes.end()));
    AlertMessage::Decode(data, size);
    DecodeAlertReply(data, size);
    if (size >= kSlotSize) {
        Slot slot;
        std::copy_n(data, kSlotSize, slot.begin());
        AlertRecord::Decode(slot);
    }
    MemoryTableFile file;
    file.bytes = bytes;
    AlertTable table(file);
    if (const auto free = table.FindFreeSlot())
        table.WriteRecord(*free, AlertRecord());
    return 0;
}
