// The Windows regional settings that the date, time and number printers follow.
#pragma once

#include <string>

struct RegionalSettings {
    enum DateOrder { MonthDayYear = 0, DayMonthYear = 1, YearMonthDay = 2 };

    int dateOrder = MonthDayYear;  // "iDate"
    std::string shortDatePicture = "m/d/yy";  // "sShortDate"
    bool clock24 = true;  // "iTime", bit 0
    bool hourLeadingZero = false;  // "iTLZero"
    std::string thousandSeparator = ",";  // "sThousand", at most 1 character
    std::string decimalSeparator = ".";  // "sDecimal", at most 1 character
    std::string dateSeparator = "/";  // "sDate", at most 1 character
    std::string timeSeparator = ":";  // "sTime", at most 1 character
    std::string morningSuffix = "AM";  // "s1159", at most 2 characters
    std::string afternoonSuffix = "PM";  // "s2359", at most 2 characters

    // What a computer with no regional values in the registry gets.
    static RegionalSettings Defaults() { return {}; }
    // The fixed values of the panel plug-ins, which never read the registry:
    // a 12-hour clock where the registry default is 24-hour.
    static RegionalSettings PanelDefaults();

    // Cuts every field to the length the printers allow.
    void Normalise();
};
