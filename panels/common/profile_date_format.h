// The local scanner's own date and time printer, driven by the "intl" section of the Windows profile.
#pragma once

#include <string>

struct IntlProfile {
    std::string shortDatePicture = "mm/dd/yy";  // "sShortDate"
    bool clock24 = true;  // "iTime"
    bool hourLeadingZero = true;  // "iTLZero"
    std::string morningSuffix;  // "s1159"
    std::string afternoonSuffix;  // "s2359"
    std::string timeSeparator = ":";  // "sTime"
};

class ProfileDateFormat {
public:
    explicit ProfileDateFormat(const IntlProfile& profile = IntlProfile());

    std::string FormatDate(int year, int month, int day) const;
    // A second outside 0..59 leaves the seconds out.
    std::string FormatTime(int hour, int minute, int second) const;

private:
    enum class Field { Day, Month, Year };
    struct DateField {
        Field field;
        bool padded;  // "dd"/"mm", or a four-digit "yyyy"
    };

    DateField m_fields[3] = {{Field::Month, true}, {Field::Day, true}, {Field::Year, false}};
    int m_fieldCount = 3;
    char m_separator = '/';
    IntlProfile m_profile;
};
