// Built-in regional settings and their length rules.
#include "regional_settings.h"

RegionalSettings RegionalSettings::PanelDefaults()
{
    RegionalSettings settings;
    settings.clock24 = false;
    return settings;
}

void RegionalSettings::Normalise()
{
    for (std::string* single : {&thousandSeparator, &decimalSeparator, &dateSeparator, &timeSeparator})
        if (single->size() > 1)
            single->resize(1);
    for (std::string* suffix : {&morningSuffix, &afternoonSuffix})
        if (suffix->size() > 2)
            suffix->resize(2);
    if (dateOrder < MonthDayYear || dateOrder > YearMonthDay)
        dateOrder = MonthDayYear;
}
