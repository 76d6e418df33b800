// Server list rows and scanning statistics texts: every state of the word, versions, counts.
#include <gtest/gtest.h>

#include "scan_statistics_text.h"
#include "server_row.h"

namespace {

const ServerStateTexts kTexts;

ServerFacts Facts(std::uint32_t stateWord)
{
    ServerFacts facts;
    facts.name = "ALPHA";
    facts.stateWord = stateWord;
    facts.product = 0x00010000;
    facts.signature = 0x00130003;
    facts.engine = 0x0004000A;
    facts.os = 0x00050001;
    return facts;
}

TEST(ServerRow, AnInactiveServerShowsInactiveAndNotAvailable)
{
    EXPECT_EQ(
        "ALPHA\tInactive\tNA      \tNA         \tv1.00\tv19.03\tv4.10\tNT v5.01", ServerRowText(kTexts, Facts(0)));
}

TEST(ServerRow, EveryJobStateHasItsText)
{
    const std::pair<std::uint32_t, const char*> cases[] = {
        {0x0001, "No Jobs"},
        {0x0101, "Scheduled"},
        {0x0201, "PreScanning"},
        {0x0401, "Scanning"},
        {0x0801, "Done"},
        {0x0301, "Done"},  // two job bits at once are no state of their own
        {0x0F02, "Done"},
    };
    for (const auto& [word, text] : cases)
        EXPECT_EQ(text, JobText(kTexts, word)) << std::hex << word;
}

TEST(ServerRow, EveryRealTimeStateHasItsText)
{
    EXPECT_EQ("InActive", RealTimeText(kTexts, 0x0001));
    EXPECT_EQ("Active", RealTimeText(kTexts, 0x1001));
    EXPECT_EQ("Unknown", RealTimeText(kTexts, 0x2001));
    EXPECT_EQ("Unknown", RealTimeText(kTexts, 0xF001));
    EXPECT_EQ("NA", RealTimeText(kTexts, 0));
}

TEST(ServerRow, ARunningScanWithRealTimeOnFillsEveryColumn)
{
    EXPECT_EQ(
        "ALPHA\tActive  \tActive  \tScanning   \tv1.00\tv19.03\tv4.10\tNT v5.01", ServerRowText(kTexts, Facts(0x1401)));
    EXPECT_EQ(
        "ALPHA\tActive  \tUnknown \tPreScanning\tv1.00\tv19.03\tv4.10\tNT v5.01", ServerRowText(kTexts, Facts(0x2201)));
}

TEST(ServerRow, VersionsAreMajorDotTwoDigitMinor)
{
    EXPECT_EQ("v3.01", VersionText(0x00030001));
    EXPECT_EQ("v0.00", VersionText(0));
    EXPECT_EQ("v65535.65535", VersionText(0xFFFFFFFF));
}

TEST(ServerRow, LoadedTextsReplaceTheBuiltInOnes)
{
    ServerStateTexts texts;
    texts.inactive = "Aus";
    EXPECT_EQ("Aus", ServiceText(texts, 0));
    EXPECT_EQ("Active", ServiceText(texts, 1));
}

TEST(ScanStatisticsText, TheTargetIsNameAndFolderOrTheNameAlone)
{
    ScanStatistics statistics;
    statistics.targetName = "ALPHA";
    statistics.targetFolder = "C:\\Sites\\ALPHA";
    EXPECT_EQ("ALPHA, C:\\Sites\\ALPHA", StatisticsTargetText(statistics));
    statistics.targetName = "Lotus Notes";
    EXPECT_EQ("Lotus Notes", StatisticsTargetText(statistics));
    statistics.targetName = std::string(70, 'N');
    EXPECT_EQ(std::string(64, 'N') + ", C:\\Sites\\ALPHA", StatisticsTargetText(statistics));
}

TEST(ScanStatisticsText, ProgressOfAHundredIsDone)
{
    ScanStatistics statistics;
    const std::string scanning = "Scanning", done = "Done";
    statistics.progress = 99;
    EXPECT_EQ("Scanning", StatisticsStatusText(statistics, scanning, done));
    statistics.progress = 100;
    EXPECT_EQ("Done", StatisticsStatusText(statistics, scanning, done));
    statistics.progress = 250;
    EXPECT_EQ("Done", StatisticsStatusText(statistics, scanning, done));
}

TEST(ScanStatisticsText, CountsAreUnsignedDecimal)
{
    EXPECT_EQ("0", StatisticsCountText(0));
    EXPECT_EQ("4294967295", StatisticsCountText(4294967295UL));
}

}  // namespace
