// The layout of ALRECORD.TBL's header and record slots, read and written without Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace alert_table {

inline constexpr std::size_t kSlotSize = 256;
inline constexpr char kTableName[] = "ALRECORD.TBL";

// Field offsets and sizes of a record slot.
inline constexpr std::size_t kTagAt = 0, kTagSize = 6;
inline constexpr std::size_t kEventFileAt = 6, kEventFileSize = 13;
inline constexpr std::size_t kDescriptionAt = 19, kDescriptionSize = 128;
inline constexpr std::size_t kApplicationAt = 147, kApplicationSize = 9;
inline constexpr std::size_t kPriorityAt = 156;
inline constexpr std::size_t kTimeAt = 157;  // four bytes, not aligned

// Slot 0: the count of records per priority group.
struct HeaderCounts {
    std::int32_t critical = 0;  // priorities 0 and 1
    std::int32_t warning = 0;  // priority 2
    std::int32_t informational = 0;  // priority 3

    std::int64_t Sum() const { return std::int64_t {critical} + warning + informational; }
    friend bool operator==(const HeaderCounts&, const HeaderCounts&) = default;
};

HeaderCounts ReadHeaderCounts(const std::uint8_t* header);
// Writes the three counts and zeroes the rest of the 256 bytes.
void WriteHeaderCounts(const HeaderCounts& counts, std::uint8_t* header);

// Which header count a priority selects: 0 first, 1 second, 2 third, -1 none.
int CountIndexOfPriority(int priority);
// Takes one away from the count the priority selects; a count of 0 or less is left alone,
// so a table the service never counted cannot go negative. Returns whether a count changed.
bool DecreaseCountForPriority(HeaderCounts& counts, int priority);

// One record slot, its texts read up to their NUL or the end of their field.
struct Record {
    std::string eventFile;
    std::string description;
    std::string application;
    int priority = 0;
    std::int32_t time = 0;  // seconds since 1970-01-01 UTC
};

// True when the slot starts with "ALERT" and its NUL.
bool SlotHoldsRecord(const std::uint8_t* slot);
// The slot's fields; meaningful only for a slot that holds a record.
Record ReadRecord(const std::uint8_t* slot);
// A zeroed slot with the tag and the fields; texts longer than their fields are cut so
// that each stays NUL-terminated.
void WriteRecord(const Record& record, std::uint8_t* slot);

// The number of record slots of a table file of `length` bytes (the header excluded);
// 0 for a file shorter than two slots.
std::int64_t RecordSlotCount(std::int64_t length);

// The text of a NUL-terminated field of at most `size` bytes, never read past its end.
std::string FieldText(const std::uint8_t* field, std::size_t size);

}  // namespace alert_table
