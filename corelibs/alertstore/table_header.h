// Slot 0 of ALRECORD.TBL: the counts of records per priority.
#pragma once

#include <cstdint>

#include "alert_record.h"

struct TableHeader {
    std::int32_t critical = 0;
    std::int32_t warning = 0;
    std::int32_t informational = 0;

    Slot Encode() const;
    static TableHeader Decode(const Slot& slot);
    // Adds one to the count that the priority selects; priorities outside 0..3 count nowhere.
    void Count(int priority);
};
