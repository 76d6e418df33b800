// The regional date, time, count, duration and attribute printers.
#include "locale_format.h"

#include <gtest/gtest.h>

namespace {

RegionalSettings DayMonthYearWithFullStops()
{
    RegionalSettings s;
    s.dateOrder = RegionalSettings::DayMonthYear;
    s.shortDatePicture = "d.m.yyyy";
    s.dateSeparator = ".";
    return s;
}

TEST(LocaleFormat, PanelDefaultsPrintPaddedTwelveHourTexts)
{
    LocaleFormat format(RegionalSettings::PanelDefaults());
    EXPECT_EQ(" 3/07/96", format.FormatDate(1996, 3, 7));
    EXPECT_EQ(" 2:05:09 PM", format.FormatTime(14, 5, 9));
    EXPECT_EQ(" 2:05 PM", format.FormatTime(14, 5, LocaleFormat::kNoSeconds));
}

TEST(LocaleFormat, RegistryDefaultsUseTheTwentyFourHourClock)
{
    LocaleFormat format(RegionalSettings::Defaults());
    EXPECT_EQ("14:05:09", format.FormatTime(14, 5, 9));
    EXPECT_EQ(" 9:05", format.FormatTime(9, 5, 60));
    EXPECT_EQ(" 0:00:00", format.FormatTime(0, 0, 0));
}

TEST(LocaleFormat, DefaultTemplatesAreTheDocumentedOnes)
{
    LocaleFormat format(RegionalSettings::PanelDefaults());
    EXPECT_EQ("%2d%s%02d%s%02d", format.DateTemplate());
    EXPECT_EQ("%2d%s%02d %s", format.TimeTemplate(false));
    EXPECT_EQ("%2d%s%02d%s%02d %s", format.TimeTemplate(true));
    LocaleFormat registry(RegionalSettings::Defaults());
    EXPECT_EQ("%2d%s%02d", registry.TimeTemplate(false));
    EXPECT_EQ("%2d%s%02d%s%02d", registry.TimeTemplate(true));
}

TEST(LocaleFormat, DayMonthYearPadsTheMonthAndPrintsTheFullYear)
{
    LocaleFormat format(DayMonthYearWithFullStops());
    EXPECT_EQ("%02d%s%02d%s%04d", format.DateTemplate());
    EXPECT_EQ("07.03.1996", format.FormatDate(1996, 3, 7));
}

TEST(LocaleFormat, YearMonthDayOrdersFieldsAndPadsTheMonth)
{
    RegionalSettings s;
    s.dateOrder = RegionalSettings::YearMonthDay;
    s.shortDatePicture = "yy-M-d";
    s.dateSeparator = "-";
    LocaleFormat format(s);
    EXPECT_EQ("96-03-07", format.FormatDate(1996, 3, 7));
    EXPECT_EQ("05-12-31", format.FormatDate(2005, 12, 31));
}

TEST(LocaleFormat, MonthPaddingFollowsThePictureInMonthDayYear)
{
    RegionalSettings s;
    s.shortDatePicture = "MM/dd/yyyy";
    LocaleFormat format(s);
    EXPECT_EQ("03/07/1996", format.FormatDate(1996, 3, 7));
}

TEST(LocaleFormat, TwelveHourClockMapsMidnightAndAfternoon)
{
    RegionalSettings s = RegionalSettings::PanelDefaults();
    s.hourLeadingZero = true;
    s.timeSeparator = ".";
    s.morningSuffix = "vorm";  // longer than two characters: cut
    s.afternoonSuffix = "nm";
    LocaleFormat format(s);
    EXPECT_EQ("12.00.00 vo", format.FormatTime(0, 0, 0));
    EXPECT_EQ("11.59.59 vo", format.FormatTime(11, 59, 59));
    EXPECT_EQ("12.00.00 nm", format.FormatTime(12, 0, 0));
    EXPECT_EQ("11.30 nm", format.FormatTime(23, 30, -1));
}

TEST(LocaleFormat, DosDateAndTimeUnpackTheirBitFields)
{
    LocaleFormat format(RegionalSettings::Defaults());
    // 1996-03-07: (16 << 9) | (3 << 5) | 7; 14:05: (14 << 11) | (5 << 5)
    EXPECT_EQ(" 3/07/96", format.FormatDosDate((16 << 9) | (3 << 5) | 7));
    EXPECT_EQ("14:05", format.FormatDosTime((14 << 11) | (5 << 5) | 4));
}

TEST(LocaleFormat, CountsAreGroupedByThree)
{
    LocaleFormat format(RegionalSettings::Defaults());
    EXPECT_EQ("1,234,567", format.FormatCount(1234567));
    EXPECT_EQ("0", format.FormatCount(0));
    EXPECT_EQ("999", format.FormatCount(999));
    EXPECT_EQ("1,000", format.FormatCount(1000));
    EXPECT_EQ("999,999,999,999,999", format.FormatCount(999'999'999'999'999ULL));
    EXPECT_EQ("999,999,999,999,999", format.FormatCount(18'446'744'073'709'551'615ULL));

    RegionalSettings dotted;
    dotted.thousandSeparator = ".";
    dotted.decimalSeparator = ",";
    LocaleFormat german(dotted);
    EXPECT_EQ("4.294.967.295", german.FormatCount(4294967295u));
    EXPECT_EQ("1.234,56", german.FormatMilliseconds(1234567));
}

TEST(LocaleFormat, MillisecondsShowTenthsAndHundredths)
{
    LocaleFormat format(RegionalSettings::Defaults());
    EXPECT_EQ("0.00", format.FormatMilliseconds(9));
    EXPECT_EQ("0.05", format.FormatMilliseconds(50));
    EXPECT_EQ("1,234.99", format.FormatMilliseconds(1234999));
}

TEST(LocaleFormat, DurationsLeaveOutZeroHoursAndMinutes)
{
    EXPECT_EQ("1h 2m 5s", LocaleFormat::FormatDuration(3725));
    EXPECT_EQ("1h 5s", LocaleFormat::FormatDuration(3605));
    EXPECT_EQ("2m 0s", LocaleFormat::FormatDuration(120));
    EXPECT_EQ("0s", LocaleFormat::FormatDuration(0));
    EXPECT_EQ("27h 46m 40s", LocaleFormat::FormatDuration(100000));
}

TEST(LocaleFormat, AttributesDropTrailingDashes)
{
    EXPECT_EQ("R---A", LocaleFormat::FormatAttributes(0x21));
    EXPECT_EQ("", LocaleFormat::FormatAttributes(0));
    EXPECT_EQ("-H", LocaleFormat::FormatAttributes(0x2));
    EXPECT_EQ("RHSDANT", LocaleFormat::FormatAttributes(0x1B7));
    EXPECT_EQ("------T", LocaleFormat::FormatAttributes(0x100 | 0x8 | 0x40));
}

TEST(LocaleFormat, SeparatorsAreCutToOneCharacter)
{
    RegionalSettings s;
    s.dateSeparator = "--";
    s.thousandSeparator = "'x";
    LocaleFormat format(s);
    EXPECT_EQ("12-31-99", format.FormatDate(1999, 12, 31));
    EXPECT_EQ("1'000", format.FormatCount(1000));
}

TEST(LocaleFormat, ModuleFormatStartsWithThePanelValues)
{
    EXPECT_EQ(" 2:05:09 PM", ModuleLocaleFormat().FormatTime(14, 5, 9));
}

}  // namespace
