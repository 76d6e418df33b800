// The three counts of the record table's header slot.
#include "table_header.h"

#include <cstdint>

#include "byte_order.h"

Slot TableHeader::Encode() const
{
    Slot slot {};
    PutU32(slot.data(), static_cast<std::uint32_t>(critical));
    PutU32(slot.data() + 4, static_cast<std::uint32_t>(warning));
    PutU32(slot.data() + 8, static_cast<std::uint32_t>(informational));
    return slot;
}

TableHeader TableHeader::Decode(const Slot& slot)
{
    TableHeader header;
    header.critical = static_cast<std::int32_t>(GetU32(slot.data()));
    header.warning = static_cast<std::int32_t>(GetU32(slot.data() + 4));
    header.informational = static_cast<std::int32_t>(GetU32(slot.data() + 8));
    return header;
}

void TableHeader::Count(int priority)
{
    std::int32_t* count = priority == 0 || priority == 1 ? &critical
        : priority == 2                                  ? &warning
        : priority == 3                                  ? &informational
                                                         : nullptr;
    // A count that somebody drove to the top stays there rather than turning negative.
    if (count && *count < INT32_MAX)
        ++*count;
}
