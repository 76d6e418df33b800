// Configuration date texts built from set serials and file times.
#include "config_date.h"

#include <cstdio>

#include "civil_time.h"

std::string ApplicationConfigDate(std::int64_t changedAt, std::uint32_t serial)
{
    if (serial == 0)
        return "never set";
    char text[96];
    std::snprintf(text, sizeof text, "%s #%u", CivilTime::FromUnixSeconds(changedAt).Iso().c_str(),
        static_cast<unsigned>(serial));
    return text;
}

std::string PortConfigDate(std::uint64_t writeTime100ns, std::uint64_t size)
{
    constexpr std::uint64_t kTicksPerSecond = 10000000;
    constexpr std::int64_t kSecondsFrom1601To1970 = 11644473600LL;
    const std::int64_t seconds = static_cast<std::int64_t>(writeTime100ns / kTicksPerSecond) - kSecondsFrom1601To1970;
    char text[96];
    std::snprintf(text, sizeof text, "%s.%07u %llu", CivilTime::FromUnixSeconds(seconds).Iso().c_str(),
        static_cast<unsigned>(writeTime100ns % kTicksPerSecond), static_cast<unsigned long long>(size));
    return text;
}
