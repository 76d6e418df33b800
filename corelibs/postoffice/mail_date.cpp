// Date texts of mail, read leniently and written in the standard form.
#include "mail_date.h"

#include <cstdio>
#include <vector>

#include "text_codec.h"

namespace postoffice {
namespace {

const char* const kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun", "jul", "aug", "sep", "oct", "nov", "dec"};
const char* const kMonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
const char* const kDayNames[] = {"Thu", "Fri", "Sat", "Sun", "Mon", "Tue", "Wed"};  // 1 Jan 1970 was a Thursday

std::vector<std::string> Tokens(std::string_view text)
{
    std::vector<std::string> tokens;
    std::string current;
    int comment = 0;
    for (char c : text) {
        if (c == '(')
            ++comment;
        if (comment > 0) {
            if (c == ')')
                --comment;
            continue;
        }
        if (c == ' ' || c == '\t' || c == ',' || c == '\r' || c == '\n') {
            if (!current.empty())
                tokens.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        tokens.push_back(current);
    return tokens;
}

bool AllDigits(std::string_view s)
{
    return !s.empty() && s.size() <= 9 && s.find_first_not_of("0123456789") == std::string_view::npos;
}

int MonthOf(std::string_view token)
{
    if (token.size() < 3)
        return -1;
    std::string lower = ToLower(token.substr(0, 3));
    for (int i = 0; i < 12; ++i)
        if (lower == kMonths[i])
            return i + 1;
    return -1;
}

// "hh:mm" or "hh:mm:ss" into seconds of the day.
std::optional<int> TimeOf(std::string_view token)
{
    int parts[3] = {0, 0, 0};
    int count = 0;
    std::size_t pos = 0;
    while (count < 3) {
        std::size_t colon = token.find(':', pos);
        std::string_view piece =
            token.substr(pos, colon == std::string_view::npos ? std::string_view::npos : colon - pos);
        if (!AllDigits(piece) || piece.size() > 2)
            return std::nullopt;
        parts[count++] = std::stoi(std::string(piece));
        if (colon == std::string_view::npos)
            break;
        pos = colon + 1;
    }
    if (count < 2 || parts[0] > 23 || parts[1] > 59 || parts[2] > 60)
        return std::nullopt;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

// Offset east of UTC in seconds; obsolete names as their standard offsets, and any other
// name (military letters included) as UTC.
int ZoneOf(std::string_view token)
{
    if ((token[0] == '+' || token[0] == '-') && token.size() == 5 && AllDigits(token.substr(1))) {
        int hhmm = std::stoi(std::string(token.substr(1)));
        int offset = (hhmm / 100) * 3600 + (hhmm % 100) * 60;
        return token[0] == '-' ? -offset : offset;
    }
    std::string zone = ToLower(token);
    struct Named {
        const char* name;
        int hours;
    };
    static const Named kZones[] = {{"ut", 0}, {"gmt", 0}, {"utc", 0}, {"est", -5}, {"edt", -4}, {"cst", -6},
        {"cdt", -5}, {"mst", -7}, {"mdt", -6}, {"pst", -8}, {"pdt", -7}};
    for (const Named& named : kZones)
        if (zone == named.name)
            return named.hours * 3600;
    return 0;
}

std::optional<std::int64_t> Compose(std::int64_t year, int month, int day, int secondsOfDay, int zone)
{
    if (month < 1 || month > 12 || day < 1 || day > 31 || year < 1970 || year > 9999)
        return std::nullopt;
    std::int64_t seconds =
        DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) * 86400 + secondsOfDay - zone;
    if (seconds < 0)
        return std::nullopt;
    return seconds;
}

void CivilFromDays(std::int64_t z, std::int64_t& year, unsigned& month, unsigned& day)
{
    z += 719468;
    std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    day = doy - (153 * mp + 2) / 5 + 1;
    month = mp < 10 ? mp + 3 : mp - 9;
    year = y + (month <= 2);
}

// A moment of UTC broken down for the two date forms a mail file carries.
struct Moment {
    const char* dayName;
    const char* monthName;
    std::int64_t year;
    unsigned day;
    int hour;
    int minute;
    int second;
};

Moment MomentOf(std::int64_t seconds)
{
    const std::int64_t days = seconds / 86400;
    const int secs = static_cast<int>(seconds % 86400);
    std::int64_t year;
    unsigned month, day;
    CivilFromDays(days, year, month, day);
    return {kDayNames[days % 7], kMonthNames[month - 1], year, day, secs / 3600, secs / 60 % 60, secs % 60};
}

}  // namespace

std::int64_t DaysFromCivil(std::int64_t year, unsigned month, unsigned day)
{
    year -= month <= 2;
    std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    unsigned yoe = static_cast<unsigned>(year - era * 400);
    unsigned doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

std::optional<std::int64_t> ParseMailDate(std::string_view text)
{
    std::vector<std::string> tokens = Tokens(text);
    std::size_t i = 0;
    if (i < tokens.size() && !AllDigits(tokens[i]) && MonthOf(tokens[i]) < 0)
        ++i;  // day name
    if (i + 3 >= tokens.size() || !AllDigits(tokens[i]))
        return std::nullopt;
    int day = std::stoi(tokens[i]);
    int month = MonthOf(tokens[i + 1]);
    if (month < 0 || !AllDigits(tokens[i + 2]))
        return std::nullopt;
    std::int64_t year = std::stoll(tokens[i + 2]);
    if (tokens[i + 2].size() == 2)
        year += year < 50 ? 2000 : 1900;
    else if (tokens[i + 2].size() == 3)
        year += 1900;
    std::optional<int> time = TimeOf(tokens[i + 3]);
    if (!time)
        return std::nullopt;
    int zone = i + 4 < tokens.size() ? ZoneOf(tokens[i + 4]) : 0;
    return Compose(year, month, day, *time, zone);
}

std::optional<std::int64_t> ParseSeparatorDate(std::string_view line)
{
    std::vector<std::string> tokens = Tokens(line);
    // From sender Day Mon dd hh:mm:ss yyyy: the date is the last five tokens, or the last
    // six when a zone follows the year.
    for (std::size_t start = 2; start + 4 < tokens.size(); ++start) {
        int month = MonthOf(tokens[start + 1]);
        if (month < 0 || !AllDigits(tokens[start + 2]) || !AllDigits(tokens[start + 4]))
            continue;
        std::optional<int> time = TimeOf(tokens[start + 3]);
        if (!time || tokens[start + 4].size() != 4)
            continue;
        return Compose(std::stoll(tokens[start + 4]), month, std::stoi(tokens[start + 2]), *time, 0);
    }
    return std::nullopt;
}

std::string FormatMailDate(std::int64_t seconds)
{
    const Moment at = MomentOf(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%s, %02u %s %04lld %02d:%02d:%02d +0000", at.dayName, at.day, at.monthName,
        static_cast<long long>(at.year), at.hour, at.minute, at.second);
    return text;
}

std::string FormatSeparatorDate(std::int64_t seconds)
{
    const Moment at = MomentOf(seconds);
    char text[64];
    std::snprintf(text, sizeof text, "%s %s %2u %02d:%02d:%02d %04lld", at.dayName, at.monthName, at.day, at.hour,
        at.minute, at.second, static_cast<long long>(at.year));
    return text;
}

}  // namespace postoffice
