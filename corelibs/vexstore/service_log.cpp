// Appending, purging and trimming the service's text logs.
#include "service_log.h"

#include <cstdio>
#include <deque>
#include <sstream>

#include "civil_time.h"

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

char LevelLetter(std::uint32_t level)
{
    return level == kLogCritical ? 'C' : level == kLogWarning ? 'W' : 'I';
}

// Seconds of a line's time stamp; -1 when the line does not start with one.
std::int64_t LineTime(const std::string& line)
{
    int y, mo, d, h, mi, s;
    if (line.size() < 19 || std::sscanf(line.c_str(), "%4d-%2d-%2d %2d:%2d:%2d", &y, &mo, &d, &h, &mi, &s) != 6)
        return -1;
    // Days since 1970 of a proleptic Gregorian date, counting years from March.
    const int year = mo <= 2 ? y - 1 : y;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int dayOfYear = (153 * (mo + (mo > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const std::int64_t days = std::int64_t(era) * 146097 + dayOfEra - 719468;
    return days * kSecondsPerDay + h * 3600 + mi * 60 + s;
}

}  // namespace

std::string FormatUtc(std::int64_t seconds)
{
    return CivilTime::FromUnixSeconds(seconds).Iso();
}

std::string AppendLogLine(
    const std::string& log, std::uint32_t level, const std::string& text, std::int64_t now, const LogConfig& limits)
{
    std::deque<std::string> lines;
    std::istringstream in(log);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(line);
    }
    if (limits.filterBits & level) {
        std::string clean = text;
        for (char& c : clean) {
            if (c == '\r' || c == '\n')
                c = ' ';
        }
        lines.push_back(FormatUtc(now) + "\t" + LevelLetter(level) + "\t" + clean);
    }
    if (limits.purgeDays) {
        const std::int64_t oldest = now - std::int64_t(limits.purgeDays) * kSecondsPerDay;
        while (!lines.empty() && LineTime(lines.front()) < oldest)
            lines.pop_front();
    }
    const std::size_t keep = limits.maxMessages ? limits.maxMessages : 1;
    while (lines.size() > keep)
        lines.pop_front();
    std::string result;
    for (const std::string& kept : lines)
        result += kept + "\r\n";
    return result;
}
