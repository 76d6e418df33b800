// Seconds since 1970 as the local date and time texts of the regional settings.
#include "local_date_time.h"

#include <windows.h>

#include "locale_format.h"

std::string LocalDateTimeText(std::int32_t seconds)
{
    // Seconds since 1970 in the 100-nanosecond units since 1601 of a FILETIME.
    const LONGLONG ticks = (static_cast<LONGLONG>(seconds) + 11644473600LL) * 10000000LL;
    FILETIME utc = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
    SYSTEMTIME universal = {};
    SYSTEMTIME local = {};
    if (!FileTimeToSystemTime(&utc, &universal) || !SystemTimeToTzSpecificLocalTime(nullptr, &universal, &local))
        return std::string();
    const LocaleFormat& format = ModuleLocaleFormat();
    return format.FormatDate(local.wYear, local.wMonth, local.wDay) + ' ' +
        format.FormatTime(local.wHour, local.wMinute, local.wSecond);
}
