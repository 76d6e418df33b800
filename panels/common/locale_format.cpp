// Printers of dates, times and numbers after the regional settings.
#include "locale_format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

namespace {

std::string Lower(std::string text)
{
    std::transform(
        text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// printf into a std::string; the templates are the module's own.
template <typename... Args> std::string Print(const std::string& format, Args... args)
{
    char buffer[128];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
#pragma GCC diagnostic ignored "-Wformat-security"
    int length = std::snprintf(buffer, sizeof buffer, format.c_str(), args...);
#pragma GCC diagnostic pop
    if (length < 0)
        return {};
    return std::string(buffer, std::min<size_t>(static_cast<size_t>(length), sizeof buffer - 1));
}

}  // namespace

LocaleFormat::LocaleFormat(RegionalSettings settings) : m_settings(std::move(settings))
{
    m_settings.Normalise();
    BuildTemplates();
}

void LocaleFormat::BuildTemplates()
{
    const std::string picture = Lower(m_settings.shortDatePicture);
    m_fourDigitYear = picture.find("yyyy") != std::string::npos;
    const bool monthZero =
        picture.find("mm") != std::string::npos || m_settings.dateOrder != RegionalSettings::MonthDayYear;
    const std::string year = m_fourDigitYear ? "%04d" : "%02d";
    const std::string month = monthZero ? "%02d" : "%2d";
    const std::string day = "%02d";  // the day always has its leading zero

    std::string first, second, third;
    switch (m_settings.dateOrder) {
    case RegionalSettings::DayMonthYear:
        first = day;
        second = month;
        third = year;
        break;
    case RegionalSettings::YearMonthDay:
        first = year;
        second = month;
        third = day;
        break;
    default:
        first = month;
        second = day;
        third = year;
        break;
    }
    m_dateTemplate = first + "%s" + second + "%s" + third;

    const std::string hour = m_settings.hourLeadingZero ? "%02d" : "%2d";
    const std::string suffix = m_settings.clock24 ? "" : " %s";
    m_timeTemplate = hour + "%s%02d" + suffix;
    m_timeTemplateWithSeconds = hour + "%s%02d%s%02d" + suffix;
}

const std::string& LocaleFormat::TimeTemplate(bool withSeconds) const
{
    return withSeconds ? m_timeTemplateWithSeconds : m_timeTemplate;
}

std::string LocaleFormat::FormatDate(int year, int month, int day) const
{
    const int shownYear = m_fourDigitYear ? year : year % 100;
    int first = month, second = day, third = shownYear;
    if (m_settings.dateOrder == RegionalSettings::DayMonthYear) {
        first = day;
        second = month;
        third = shownYear;
    } else if (m_settings.dateOrder == RegionalSettings::YearMonthDay) {
        first = shownYear;
        second = month;
        third = day;
    }
    const char* separator = m_settings.dateSeparator.c_str();
    return Print(m_dateTemplate, first, separator, second, separator, third);
}

std::string LocaleFormat::FormatTime(int hour, int minute, int second) const
{
    const bool withSeconds = second >= 0 && second <= 59;
    const char* separator = m_settings.timeSeparator.c_str();
    const std::string& format = TimeTemplate(withSeconds);
    if (m_settings.clock24) {
        return withSeconds ? Print(format, hour, separator, minute, separator, second)
                           : Print(format, hour, separator, minute);
    }
    const char* suffix = hour > 11 ? m_settings.afternoonSuffix.c_str() : m_settings.morningSuffix.c_str();
    int shownHour = hour;
    if (hour == 0)
        shownHour = 12;
    else if (hour >= 13 && hour <= 23)
        shownHour = hour - 12;
    return withSeconds ? Print(format, shownHour, separator, minute, separator, second, suffix)
                       : Print(format, shownHour, separator, minute, suffix);
}

std::string LocaleFormat::FormatDosDate(std::uint16_t packed) const
{
    return FormatDate((packed >> 9) + 1980, (packed >> 5) & 0x0F, packed & 0x1F);
}

std::string LocaleFormat::FormatDosTime(std::uint16_t packed) const
{
    return FormatTime(packed >> 11, (packed >> 5) & 0x3F, kNoSeconds);
}

std::string LocaleFormat::FormatCount(std::uint64_t value) const
{
    // Counts are shown with at most 15 digits; a larger value shows the largest that fits
    // rather than a misleading remainder.
    constexpr std::uint64_t kLargest = 999'999'999'999'999ULL;
    std::string digits = std::to_string(std::min(value, kLargest));
    std::string grouped;
    grouped.reserve(digits.size() + digits.size() / 3);
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += m_settings.thousandSeparator;
        grouped += digits[i];
    }
    return grouped;
}

std::string LocaleFormat::FormatMilliseconds(std::uint64_t milliseconds) const
{
    return FormatCount(milliseconds / 1000) + m_settings.decimalSeparator +
        Print(std::string("%02u"), static_cast<unsigned>(milliseconds % 1000 / 10));
}

std::string LocaleFormat::FormatDuration(std::uint32_t seconds)
{
    const std::string piece = "%u%c ";
    std::string text;
    if (seconds / 3600)
        text += Print(piece, seconds / 3600, 'h');
    if (seconds % 3600 / 60)
        text += Print(piece, seconds % 3600 / 60, 'm');
    text += Print(piece, seconds % 60, 's');
    text.pop_back();
    return text;
}

std::string LocaleFormat::FormatAttributes(std::uint32_t bits)
{
    static constexpr struct {
        std::uint32_t bit;
        char letter;
    } kLetters[] = {
        {0x1, 'R'},
        {0x2, 'H'},
        {0x4, 'S'},
        {0x10, 'D'},
        {0x20, 'A'},
        {0x80, 'N'},
        {0x100, 'T'},
    };
    std::string text(8, '-');
    for (size_t i = 0; i < std::size(kLetters); ++i)
        if (bits & kLetters[i].bit)
            text[i] = kLetters[i].letter;
    text.erase(text.find_last_not_of('-') + 1);
    return text;
}

LocaleFormat& ModuleLocaleFormat()
{
    static LocaleFormat format;
    return format;
}
