// Field-by-field layout of the record table's record slots.
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
    Slot slot {};
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

const char* PriorityName(int priority)
{
    switch (priority) {
    case 0:
    case 1: return "Critical";
    case 2: return "Warning";
    case 3: return "Informational";
    default: return "Unknown";
    }
}
