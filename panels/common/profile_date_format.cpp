// The picture-walking date printer and the profile-driven time printer of the local scanner.
#include "profile_date_format.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

ProfileDateFormat::ProfileDateFormat(const IntlProfile& profile) : m_profile(profile)
{
    std::string picture = profile.shortDatePicture;
    std::transform(picture.begin(), picture.end(), picture.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });

    m_fieldCount = 0;
    bool sawSeparator = false;
    for (size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        size_t run = 1;
        while (i + run < picture.size() && picture[i + run] == c)
            ++run;
        if (c == 'd' || c == 'm' || c == 'y') {
            // A picture with more than three fields keeps the first three.
            if (m_fieldCount < 3) {
                const Field field = c == 'd' ? Field::Day : c == 'm' ? Field::Month : Field::Year;
                const bool padded = c == 'y' ? run >= 4 : run >= 2;
                m_fields[m_fieldCount++] = {field, padded};
            }
        } else if (!sawSeparator) {
            m_separator = c;
            sawSeparator = true;
        }
        i += run;
    }
    if (m_fieldCount == 0) {
        // A picture without any field falls back to the section's default.
        *this = ProfileDateFormat(IntlProfile {"mm/dd/yy", profile.clock24, profile.hourLeadingZero,
            profile.morningSuffix, profile.afternoonSuffix, profile.timeSeparator});
    }
}

std::string ProfileDateFormat::FormatDate(int year, int month, int day) const
{
    std::string pieces[3];
    for (int i = 0; i < m_fieldCount; ++i) {
        char text[16];
        const DateField& f = m_fields[i];
        if (f.field == Field::Year) {
            if (f.padded)
                std::snprintf(text, sizeof text, "%4.4d", year);
            else
                std::snprintf(text, sizeof text, "%2.2d", year % 100);
        } else {
            const int value = f.field == Field::Day ? day : month;
            std::snprintf(text, sizeof text, f.padded ? "%2.2d" : "%d", value);
        }
        pieces[i] = text;
    }
    char text[64];
    std::snprintf(text, sizeof text, "%s%c%s%c%s", pieces[0].c_str(), m_separator, pieces[1].c_str(), m_separator,
        pieces[2].c_str());
    return text;
}

std::string ProfileDateFormat::FormatTime(int hour, int minute, int second) const
{
    const bool withSeconds = second >= 0 && second <= 59;
    const char* separator = m_profile.timeSeparator.c_str();
    const char* suffix = "";
    int shownHour = hour;
    if (!m_profile.clock24) {
        suffix = hour > 11 ? m_profile.afternoonSuffix.c_str() : m_profile.morningSuffix.c_str();
        if (hour == 0)
            shownHour = 12;
        else if (hour >= 13 && hour <= 23)
            shownHour = hour - 12;
    }
    char text[64];
    if (withSeconds) {
        std::snprintf(text, sizeof text, m_profile.hourLeadingZero ? "%2.2d%s%2.2d%s%2.2d %s" : "%d%s%2.2d%s%2.2d %s",
            shownHour, separator, minute, separator, second, suffix);
    } else {
        std::snprintf(text, sizeof text, m_profile.hourLeadingZero ? "%2.2d%s%2.2d %s" : "%d%s%2.2d %s", shownHour,
            separator, minute, suffix);
    }
    // On the 24-hour clock there is no suffix, and the blank that would precede it goes too.
    std::string result = text;
    if (!*suffix && !result.empty() && result.back() == ' ')
        result.pop_back();
    return result;
}
