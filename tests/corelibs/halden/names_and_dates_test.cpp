// Application names, calendar stamps and configuration date texts.
#include <gtest/gtest.h>

#include "application_name.h"
#include "civil_time.h"
#include "config_date.h"

namespace {

TEST(ApplicationName, SafeNamesAreUpperCasedAndDefaultIsAlert)
{
    EXPECT_EQ("VEXOMAR", NormalizeApplicationName("vexomar").value());
    EXPECT_EQ("ALERT", NormalizeApplicationName("DEFAULT").value());
    EXPECT_EQ("ALERT", NormalizeApplicationName("Default").value());
    EXPECT_EQ("A_B-9", NormalizeApplicationName("a_b-9").value());
    EXPECT_EQ("ABCDEFGH", NormalizeApplicationName("abcdefgh").value());
}

TEST(ApplicationName, PathsEmptyAndOverlongNamesAreRefused)
{
    for (const char* bad : {"", "ABCDEFGHI", "..", "A\\B", "A/B", "A B", "A.B", "C:X"})
        EXPECT_FALSE(NormalizeApplicationName(bad)) << bad;
}

TEST(CivilTime, KnownDates)
{
    EXPECT_EQ("01/01/1970 00:00:00", CivilTime::FromUnixSeconds(0).Stamp());
    EXPECT_EQ("2000-02-29 00:00:00", CivilTime::FromUnixSeconds(951782400).Iso());
    EXPECT_EQ("12/31/1969 23:59:59", CivilTime::FromUnixSeconds(-1).Stamp());
    EXPECT_EQ("2038-01-19 03:14:07", CivilTime::FromUnixSeconds(2147483647).Iso());
}

TEST(ConfigDate, ApplicationDatesDifferWithinOneSecond)
{
    EXPECT_EQ("never set", ApplicationConfigDate(0, 0));
    EXPECT_EQ("2023-11-14 22:13:20 #1", ApplicationConfigDate(1700000000, 1));
    EXPECT_NE(ApplicationConfigDate(1700000000, 1), ApplicationConfigDate(1700000000, 2));
}

TEST(ConfigDate, PortDateCarriesTheFullFileTimeAndSize)
{
    const std::uint64_t epoch = 116444736000000000ULL;  // 1970-01-01 in 100 ns since 1601
    EXPECT_EQ("1970-01-01 00:00:00.0000000 1024", PortConfigDate(epoch, 1024));
    EXPECT_EQ("1970-01-01 00:00:00.0000001 1024", PortConfigDate(epoch + 1, 1024));
    EXPECT_NE(PortConfigDate(epoch, 1024), PortConfigDate(epoch, 1536));
}

}  // namespace
