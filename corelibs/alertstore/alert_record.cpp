// Field-by-field layout of the record table's header and record slots.
#include "alert_record.h"

#include <cstring>

#include "byte_order.h"

namespace {

constexpr char kTag[6] = {'A', 'L', 'E', 'R', 'T', '\0'};
constexpr std::size_t kEventFileAt = 6, kEventFileSize = 13;
constexpr std::size_t kDescriptionAt = 19, kDescriptionSize = 128;
constexpr std::size_t kApplicationAt = 147, kApplicationSize = 9;
constexpr std::size_t kPriorityAt = 156;
constexpr std::size_t kTimeAt = 157;

void PutText(Slot& slot, std::size_t at, std::size_t size, const std::string& text)
{
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(slot.data() + at, text.data(), length);
}

std::string GetText(const Slot& slot, std::size_t at, std::size_t size)
{
    const auto* start = reinterpret_cast<const char*>(slot.data() + at);
    std::size_t length = 0;
    while (length < size && start[length] != '\0')
        ++length;
    return std::string(start, length);
}

}  // namespace

Slot AlertRecord::Encode() const
{
    Slot slot{};
    std::memcpy(slot.data(), kTag, sizeof kTag);
    PutText(slot, kEventFileAt, kEventFileSize, eventFile);
    PutText(slot, kDescriptionAt, kDescriptionSize, description);
    PutText(slot, kApplicationAt, kApplicationSize, application);
    slot[kPriorityAt] = static_cast<std::uint8_t>(priority);
    PutU32(slot.data() + kTimeAt, static_cast<std::uint32_t>(time));
    return slot;
}

std::optional<AlertRecord> AlertRecord::Decode(const Slot& slot)
{
    if (!SlotHoldsRecord(slot))
        return std::nullopt;
    AlertRecord record;
    record.eventFile = GetText(slot, kEventFileAt, kEventFileSize);
    record.description = GetText(slot, kDescriptionAt, kDescriptionSize);
    record.application = GetText(slot, kApplicationAt, kApplicationSize);
    record.priority = static_cast<std::int8_t>(slot[kPriorityAt]);
    record.time = static_cast<std::int32_t>(GetU32(slot.data() + kTimeAt));
    return record;
}

bool SlotHoldsRecord(const Slot& slot)
{
    return std::memcmp(slot.data(), kTag, sizeof kTag) == 0;
}

Slot TableHeader::Encode() const
{
    Slot slot{};
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
                          : priority == 2                ? &warning
                          : priority == 3                ? &informational
                                                         : nullptr;
    // A count that somebody drove to the top stays there rather than turning negative.
    if (count && *count < INT32_MAX)
        ++*count;
}

const char* PriorityName(int priority)
{
    switch (priority) {
    case 0:
    case 1:
        return "Critical";
    case 2:
        return "Warning";
    case 3:
        return "Informational";
    default:
        return "Unknown";
    }
}
