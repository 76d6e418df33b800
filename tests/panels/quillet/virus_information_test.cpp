// virus.lst reading, the name search, the .vst name and text, the version values and the scan-after time.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "engine_version_text.h"
#include "locale_format.h"
#include "scan_after_time.h"
#include "virus_list_file.h"

namespace {

// Central European time, with summer time in July under either C library's rules.
void SetTimeZone(const char* zone)
{
#ifdef _WIN32
    _putenv_s("TZ", zone ? zone : "");
#else
    if (zone)
        setenv("TZ", zone, 1);
    else
        unsetenv("TZ");
#endif
    tzset();
}

const char kList[] = "Signature file version [1.05]\r\n"
                     "Signature file date [2026-11-30]\r\n"
                     "Number of viruses detected [  12]\r\n"
                     "----------------------------------------\r\n"
                     "Amber.Boot\r\n"
                     "\r\n"
                     "EICAR-Test-File\r\n"
                     "eicar.variant\r\n"
                     "Zeta";

TEST(VirusListFile, HeaderFieldsAreTheFourCharactersBeforeTheLastTwo)
{
    const VirusListContents contents = ParseVirusList(kList);
    EXPECT_EQ("1.05", contents.signatureVersion);
    EXPECT_EQ("  12", contents.virusCount);
    EXPECT_EQ((std::vector<std::string> {"Amber.Boot", "EICAR-Test-File", "eicar.variant", "Zeta"}), contents.names);
}

TEST(VirusListFile, AShortFirstLineLeavesTheVersionEmpty)
{
    const VirusListContents contents = ParseVirusList("Ver [1.0]\nx\nNumber of viruses [   3]\nx\nA\n");
    EXPECT_EQ("", contents.signatureVersion);  // ten characters with its line feed
    EXPECT_EQ("   3", contents.virusCount);
    EXPECT_EQ((std::vector<std::string> {"A"}), contents.names);
}

TEST(VirusListFile, ALongLineIsCutAndNotSplitIntoTwoNames)
{
    const std::string list = "a\nb\nc\nd\n" + std::string(300, 'N') + "\nLast\n";
    const VirusListContents contents = ParseVirusList(list);
    ASSERT_EQ(2u, contents.names.size());
    EXPECT_EQ(std::string(255, 'N'), contents.names[0]);
    EXPECT_EQ("Last", contents.names[1]);
}

TEST(VirusListFile, AnEmptyOrHeaderOnlyFileHasNoNames)
{
    EXPECT_TRUE(ParseVirusList("").names.empty());
    EXPECT_TRUE(ParseVirusList("1\n2\n3\n4\n").names.empty());
}

TEST(VirusListFile, SearchFindsTheFirstNameBeginningWithTheTextInAnyCase)
{
    const std::vector<std::string> names = ParseVirusList(kList).names;
    EXPECT_EQ(1u, FindVirusName(names, "eicar"));
    EXPECT_EQ(2u, FindVirusName(names, "EICAR.V"));
    EXPECT_EQ(3u, FindVirusName(names, "z"));
    EXPECT_EQ(0u, FindVirusName(names, ""));
    EXPECT_EQ(std::nullopt, FindVirusName(names, "Boot"));
    EXPECT_EQ(std::nullopt, FindVirusName(names, "Zetas"));
}

TEST(VirusListFile, SaveNameGetsTheListExtensionOnlyWithTheListFilter)
{
    EXPECT_EQ("C:\\out\\viruses.vst", VirusListSaveName("C:\\out\\viruses", true));
    EXPECT_EQ("C:\\out\\viruses.vst", VirusListSaveName("C:\\out\\viruses.", true));
    EXPECT_EQ("C:\\out.d\\viruses.vst", VirusListSaveName("C:\\out.d\\viruses", true));
    EXPECT_EQ("C:/out.d/viruses.vst", VirusListSaveName("C:/out.d/viruses", true));
    EXPECT_EQ("C:\\out\\viruses.txt", VirusListSaveName("C:\\out\\viruses.txt", true));
    EXPECT_EQ("C:\\out\\viruses", VirusListSaveName("C:\\out\\viruses", false));
}

TEST(VirusListFile, VstTextEndsEveryNameWithALineEnd)
{
    EXPECT_EQ("A\r\nB b\r\n", VstText({"A", "B b"}));
    EXPECT_EQ("", VstText({}));
}

TEST(EngineVersionText, VersionsAreHundredsLessEighteenAndTheRest)
{
    EXPECT_EQ("1.00", EngineVersionText(1900));
    EXPECT_EQ("1.05", EngineVersionText(1905));
    EXPECT_EQ("9.99", EngineVersionText(2799));
    EXPECT_EQ("0.07", EngineVersionText(1807));
    EXPECT_EQ("0.42", EngineVersionText(42));  // no wrap-around below 1800
    EXPECT_EQ("1.00", EngineVersionText(0x10000 + 1900));  // a 16-bit value
}

TEST(EngineVersionText, DatesAreUnpackedIntoTheLocaleFormat)
{
    const LocaleFormat format;
    // 30 November 2026: (46 << 9) | (11 << 5) | 30
    const std::uint32_t packed = (46u << 9) | (11u << 5) | 30u;
    EXPECT_EQ(format.FormatDate(2026, 11, 30), EngineDateText(packed, format));
    EXPECT_EQ(format.FormatDate(1980, 1, 1), EngineDateText((1u << 5) | 1u, format));
}

class ScanAfterTime : public ::testing::Test {
protected:
    void SetUp() override { SetTimeZone("CET-1CEST,M3.5.0,M10.5.0/3"); }
    void TearDown() override { SetTimeZone(nullptr); }
};

TEST_F(ScanAfterTime, FieldsRoundTripThroughLocalTimeWithDaylightSaving)
{
    // 1 July 2025 12:30:15 in summer time is 10:30:15 UTC.
    const ScanAfterFields summer {2025, 6, 1, 12, 30, 15};
    EXPECT_EQ(1751365815, ScanAfterFromFields(summer));
    const ScanAfterFields back = ScanAfterToFields(1751365815, 0);
    EXPECT_EQ(2025, back.year);
    EXPECT_EQ(6, back.month);
    EXPECT_EQ(1, back.day);
    EXPECT_EQ(12, back.hour);
    EXPECT_EQ(30, back.minute);
    EXPECT_EQ(15, back.second);
}

TEST_F(ScanAfterTime, ZeroShowsTheCurrentTime)
{
    const ScanAfterFields now = ScanAfterToFields(0, 946684800);  // 2000-01-01 00:00 UTC
    EXPECT_EQ(2000, now.year);
    EXPECT_EQ(0, now.month);
    EXPECT_EQ(1, now.hour);
}

TEST_F(ScanAfterTime, TwoDigitYearsAndTimesOutsideTheRecord)
{
    EXPECT_EQ(2049, FullYear(49));
    EXPECT_EQ(1950, FullYear(50));
    EXPECT_EQ(1999, FullYear(99));
    EXPECT_EQ(2001, FullYear(2001));
    EXPECT_EQ(ScanAfterFromFields({2000, 0, 1, 1, 0, 0}), ScanAfterFromFields({0, 0, 1, 1, 0, 0}));
    EXPECT_EQ(std::nullopt, ScanAfterFromFields({1960, 0, 1, 0, 0, 0}));
    EXPECT_EQ(std::nullopt, ScanAfterFromFields({2040, 0, 1, 0, 0, 0}));
}

}  // namespace
