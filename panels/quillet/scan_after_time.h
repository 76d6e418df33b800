// The "scan after" time of the mail options: seconds as mktime gives them, and the two fields that show it.
#pragma once

#include <cstdint>
#include <optional>

// The date field's three values (year in four digits, month 0 for January, day) and the time field's.
struct ScanAfterFields {
    int year = 0, month = 0, day = 0;
    int hour = 0, minute = 0, second = 0;
};

// The local time of `seconds` (the current time for 0).
ScanAfterFields ScanAfterToFields(std::int32_t seconds, std::int64_t now);
// The seconds of the local time the fields show; a two-digit year below 50 is 20xx, any other below 100
// 19xx. Nothing when the time cannot be held in the record's 32 bits.
std::optional<std::int32_t> ScanAfterFromFields(const ScanAfterFields& fields);
int FullYear(int year);
