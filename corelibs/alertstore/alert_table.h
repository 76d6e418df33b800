// Adding alerts to ALRECORD.TBL through whatever file access the caller provides.
#pragma once

#include <cstdint>
#include <optional>

#include "alert_record.h"
#include "table_file.h"
#include "table_header.h"

class AlertTable {
public:
    // Event file names carry the slot number in six digits.
    static constexpr std::uint32_t kMaxSlot = 999999;

    explicit AlertTable(TableFile& file) : m_file(file) { }

    // The first free record slot, or the one after the last whole slot. A table shorter
    // than its header is given a zeroed header first. Nothing when the table is full or
    // the file fails.
    std::optional<std::uint32_t> FindFreeSlot();
    // Writes the record's body before its tag, so a reader never finds a tagged slot
    // whose body is still the old one.
    bool WriteRecord(std::uint32_t slot, const AlertRecord& record);
    // Adds the record's priority to the header's counts.
    bool CountRecord(int priority);
    std::optional<TableHeader> ReadHeader();

private:
    TableFile& m_file;
};
