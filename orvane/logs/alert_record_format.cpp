// The layout of ALRECORD.TBL's header and record slots.
#include "alert_record_format.h"

#include <cstring>

namespace alert_table {

namespace {

constexpr char kTag[kTagSize] = {'A', 'L', 'E', 'R', 'T', '\0'};

std::int32_t GetI32(const std::uint8_t* p)
{
    const std::uint32_t value = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
        (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(value);
}

void PutI32(std::uint8_t* p, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

void PutText(std::uint8_t* field, std::size_t size, const std::string& text)
{
    const std::size_t length = text.size() < size ? text.size() : size - 1;
    std::memcpy(field, text.data(), length);
}

}  // namespace

HeaderCounts ReadHeaderCounts(const std::uint8_t* header)
{
    return {GetI32(header), GetI32(header + 4), GetI32(header + 8)};
}

void WriteHeaderCounts(const HeaderCounts& counts, std::uint8_t* header)
{
    std::memset(header, 0, kSlotSize);
    PutI32(header, counts.critical);
    PutI32(header + 4, counts.warning);
    PutI32(header + 8, counts.informational);
}

int CountIndexOfPriority(int priority)
{
    switch (priority) {
    case 0:
    case 1: return 0;
    case 2: return 1;
    case 3: return 2;
    default: return -1;
    }
}

bool DecreaseCountForPriority(HeaderCounts& counts, int priority)
{
    std::int32_t* selected = nullptr;
    switch (CountIndexOfPriority(priority)) {
    case 0: selected = &counts.critical; break;
    case 1: selected = &counts.warning; break;
    case 2: selected = &counts.informational; break;
    default: return false;
    }
    if (*selected <= 0)
        return false;
    --*selected;
    return true;
}

bool SlotHoldsRecord(const std::uint8_t* slot)
{
    return std::memcmp(slot + kTagAt, kTag, kTagSize) == 0;
}

std::string FieldText(const std::uint8_t* field, std::size_t size)
{
    const void* end = std::memchr(field, 0, size);
    const std::size_t length = end ? static_cast<std::size_t>(static_cast<const std::uint8_t*>(end) - field) : size;
    return std::string(reinterpret_cast<const char*>(field), length);
}

Record ReadRecord(const std::uint8_t* slot)
{
    Record record;
    record.eventFile = FieldText(slot + kEventFileAt, kEventFileSize);
    record.description = FieldText(slot + kDescriptionAt, kDescriptionSize);
    record.application = FieldText(slot + kApplicationAt, kApplicationSize);
    record.priority = static_cast<std::int8_t>(slot[kPriorityAt]);
    record.time = GetI32(slot + kTimeAt);
    return record;
}

void WriteRecord(const Record& record, std::uint8_t* slot)
{
    std::memset(slot, 0, kSlotSize);
    std::memcpy(slot + kTagAt, kTag, kTagSize);
    PutText(slot + kEventFileAt, kEventFileSize, record.eventFile);
    PutText(slot + kDescriptionAt, kDescriptionSize, record.description);
    PutText(slot + kApplicationAt, kApplicationSize, record.application);
    slot[kPriorityAt] = static_cast<std::uint8_t>(static_cast<std::int8_t>(record.priority));
    PutI32(slot + kTimeAt, record.time);
}

std::int64_t RecordSlotCount(std::int64_t length)
{
    if (length < static_cast<std::int64_t>(2 * kSlotSize))
        return 0;
    return length / static_cast<std::int64_t>(kSlotSize) - 1;
}

}  // namespace alert_table
