// Conversions between the record's "scan after" seconds and the local date and time fields.
#include "scan_after_time.h"

#include <ctime>

int FullYear(int year)
{
    if (year < 50)
        return year + 2000;
    if (year < 100)
        return year + 1900;
    return year;
}

ScanAfterFields ScanAfterToFields(std::int32_t seconds, std::int64_t now)
{
    std::time_t when = static_cast<std::time_t>(seconds != 0 ? seconds : now);
    ScanAfterFields fields;
    const std::tm* local = std::localtime(&when);
    if (!local)
        return fields;
    fields.year = local->tm_year + 1900;
    fields.month = local->tm_mon;
    fields.day = local->tm_mday;
    fields.hour = local->tm_hour;
    fields.minute = local->tm_min;
    fields.second = local->tm_sec;
    return fields;
}

std::optional<std::int32_t> ScanAfterFromFields(const ScanAfterFields& fields)
{
    std::tm local = {};
    local.tm_year = FullYear(fields.year) - 1900;
    local.tm_mon = fields.month;
    local.tm_mday = fields.day;
    local.tm_hour = fields.hour;
    local.tm_min = fields.minute;
    local.tm_sec = fields.second;
    local.tm_isdst = -1;  // the library decides whether daylight saving applies
    const std::time_t seconds = std::mktime(&local);
    if (seconds == static_cast<std::time_t>(-1) || seconds <= 0 || seconds > INT32_MAX)
        return std::nullopt;
    return static_cast<std::int32_t>(seconds);
}
