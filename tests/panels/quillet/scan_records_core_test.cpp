// The scan log's bytes, numbering and deleting rules, the report text and the viewer's line, natively.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "record_list_line.h"
#include "scan_log_table.h"
#include "scan_report_text.h"

using namespace scan_log;

namespace {

// MASTER.DB as a string; a store that can be told to refuse writes.
class MemoryStore : public MemoryScanLogStore {
public:
    bool refuseWrites = false;

    bool Write(std::uint64_t offset, const void* data, std::size_t length) override
    {
        return !refuseWrites && MemoryScanLogStore::Write(offset, data, length);
    }
};

ScanLogFacts SampleFacts()
{
    ScanLogFacts facts;
    facts.virusesFound = 3;
    facts.sourceMachine = "Local";
    facts.scannedPaths = "C:\\DATA;Lotus Notes;";
    facts.start = {1996, 3, 7, 14, 5, 9};
    facts.action = 2;
    return facts;
}

std::int32_t Int32At(const std::string& bytes, size_t offset)
{
    std::int32_t value;
    std::memcpy(&value, bytes.data() + offset, 4);
    return value;
}

MemoryStore TableWithEntries(int count)
{
    MemoryStore store;
    WriteEmptyHeader(store);
    for (int i = 0; i < count; ++i) {
        const std::uint32_t number = ChooseEntryNumber(store);
        WriteEntry(store, number, MakeEntry(SampleFacts(), number));
    }
    return store;
}

}  // namespace

TEST(ScanLogEntry, EveryFieldLandsAtItsOffsetAndTheRestIsZero)
{
    std::uint8_t slot[kSlotSize];
    EntryToBytes(MakeEntry(SampleFacts(), 12), slot);
    std::string expected(kSlotSize, '\0');
    expected[4] = 3;
    expected.replace(12, 5, "Local");
    expected.replace(44, 20, "C:\\DATA;Lotus Notes;");
    const char start[] = {96, 3, 7, 14, 5, 9};
    expected.replace(220, 6, start, 6);
    expected.replace(228, 12, "IN000012.REC", 12);
    expected[244] = 2;
    expected[246] = 1;
    EXPECT_EQ(expected, std::string(reinterpret_cast<char*>(slot), kSlotSize));
}

TEST(ScanLogEntry, ZeroHoursMinutesAndSecondsAreStoredAsZeroBytes)
{
    ScanLogFacts facts = SampleFacts();
    facts.start = {2000, 1, 1, 0, 0, 0};
    const ScanLogEntry entry = MakeEntry(facts, 1);
    EXPECT_EQ(100, entry.start[0]);
    EXPECT_EQ(0, entry.start[3]);
    EXPECT_EQ(0, entry.start[4]);
    EXPECT_EQ(0, entry.start[5]);
    EXPECT_EQ("IN000001.REC", FieldText(entry.reportName));
}

TEST(ScanLogEntry, LongScannedPathsAreCutAt127WithoutAFinalSemicolon)
{
    ScanLogFacts facts = SampleFacts();
    facts.scannedPaths.clear();
    while (facts.scannedPaths.size() < 140)
        facts.scannedPaths += "C:\\FOLDER;";
    facts.cancelled = true;
    const ScanLogEntry entry = MakeEntry(facts, 1);
    EXPECT_EQ(facts.scannedPaths.substr(0, 127), FieldText(entry.scannedPaths));
    EXPECT_NE(';', FieldText(entry.scannedPaths).back());
    EXPECT_EQ(0, entry.scannedPaths[127]);
    EXPECT_EQ(1, entry.cancelled);
}

TEST(ScanLogEntry, ADamagedTextWithoutItsNulIsReadOnlyToTheEndOfItsField)
{
    ScanLogEntry entry = MakeEntry(SampleFacts(), 1);
    std::memset(entry.sourceMachine, 'X', sizeof entry.sourceMachine);
    std::memset(entry.scannedPaths, 'P', sizeof entry.scannedPaths);
    EXPECT_EQ(std::string(32, 'X'), FieldText(entry.sourceMachine));
    EXPECT_EQ(std::string(128, 'P'), FieldText(entry.scannedPaths));
}

TEST(ScanLogNumbering, TheFirstEntryOfANewTableIsOneAndTheHeaderCountsIt)
{
    MemoryStore store = TableWithEntries(1);
    ASSERT_EQ(512u, store.bytes.size());
    EXPECT_EQ(1, Int32At(store.bytes, 0));
    EXPECT_EQ(1, Int32At(store.bytes, 4));
    EXPECT_EQ(std::string(248, '\0'), store.bytes.substr(8, 248));
    EXPECT_EQ("IN000001.REC", FieldText(ReadEntry(store, 1)->reportName));
}

TEST(ScanLogNumbering, ADeletedNumberIsTakenAgainAndTheHighestNumberStays)
{
    MemoryStore store = TableWithEntries(3);
    ASSERT_TRUE(FreeEntry(store, 2));
    EXPECT_EQ(2, Int32At(store.bytes, 0));
    EXPECT_EQ(3, Int32At(store.bytes, 4));
    EXPECT_EQ(std::string(256, '\0'), store.bytes.substr(512, 256));
    EXPECT_EQ(2u, ChooseEntryNumber(store));
    WriteEntry(store, 2, MakeEntry(SampleFacts(), 2));
    EXPECT_EQ(3, Int32At(store.bytes, 0));
    EXPECT_EQ(3, Int32At(store.bytes, 4));
    EXPECT_EQ(4u, ChooseEntryNumber(store));
}

TEST(ScanLogDamage, AWrongHeaderCountBoundsNothing)
{
    MemoryStore store = TableWithEntries(2);
    // A count far beyond the slots there are, then a negative one.
    const std::int32_t huge = 1000000;
    std::memcpy(store.bytes.data(), &huge, 4);
    EXPECT_EQ(2u, ListedEntries(store).size());
    EXPECT_EQ(3u, ChooseEntryNumber(store));
    const std::int32_t negative = -5;
    std::memcpy(store.bytes.data(), &negative, 4);
    EXPECT_EQ(2u, ListedEntries(store).size());
    WriteEntry(store, 3, MakeEntry(SampleFacts(), 3));
    EXPECT_EQ(1, Int32At(store.bytes, 0));
    ASSERT_TRUE(FreeEntry(store, 3));
    ASSERT_TRUE(FreeEntry(store, 1));
    EXPECT_EQ(0, Int32At(store.bytes, 0));
}

TEST(ScanLogDamage, APartialSlotAtTheEndIsNeitherListedNorCountedAndIsOverwrittenWhole)
{
    MemoryStore store = TableWithEntries(2);
    store.bytes.append(100, '\x01');
    EXPECT_EQ(2u, EntrySlotCount(store));
    EXPECT_EQ(2u, ListedEntries(store).size());
    EXPECT_EQ(3u, ChooseEntryNumber(store));
    EXPECT_FALSE(FreeEntry(store, 3));
    WriteEntry(store, 3, MakeEntry(SampleFacts(), 3));
    EXPECT_EQ(4u * 256, store.bytes.size());
    EXPECT_EQ(3u, ListedEntries(store).size());
}

TEST(ScanLogDamage, AShortFileWithoutAWholeHeaderStillTakesAnEntryButCountsNothing)
{
    MemoryStore store;
    store.bytes.assign(10, '\0');
    EXPECT_EQ(0u, EntrySlotCount(store));
    EXPECT_TRUE(ListedEntries(store).empty());
    EXPECT_EQ(1u, ChooseEntryNumber(store));
}

TEST(ScanLogListing, OnlyEntriesInUseWithAnActionUpToSixAreListedInSlotOrder)
{
    MemoryStore store = TableWithEntries(4);
    ScanLogEntry high = *ReadEntry(store, 2);
    high.action = 7;
    std::uint8_t bytes[kSlotSize];
    EntryToBytes(high, bytes);
    store.Write(2 * 256, bytes, sizeof bytes);
    ScanLogEntry odd = *ReadEntry(store, 4);
    odd.inUse = 2;
    EntryToBytes(odd, bytes);
    store.Write(4 * 256, bytes, sizeof bytes);
    const std::vector<NumberedEntry> listed = ListedEntries(store);
    ASSERT_EQ(2u, listed.size());
    EXPECT_EQ(1u, listed[0].number);
    EXPECT_EQ(3u, listed[1].number);
    // The unlisted entry still holds its number.
    EXPECT_EQ(4u, ChooseEntryNumber(store));
}

TEST(ScanLogDeleteAll, EveryReportInUseIsRemovedAndTheTableIsCutToAnEmptyHeader)
{
    MemoryStore store = TableWithEntries(3);
    FreeEntry(store, 2);
    std::vector<std::uint32_t> removed;
    ASSERT_TRUE(FreeAllEntries(store, [&](std::uint32_t number) { removed.push_back(number); }));
    EXPECT_EQ((std::vector<std::uint32_t> {1, 3}), removed);
    EXPECT_EQ(std::string(256, '\0'), store.bytes);
    EXPECT_TRUE(ListedEntries(store).empty());
    EXPECT_EQ(1u, ChooseEntryNumber(store));
}

TEST(ScanLogWrite, AnEntryTakenBackLeavesItsSlotFreeAndTheHeaderAsItWas)
{
    MemoryStore store = TableWithEntries(1);
    const std::string header = store.bytes.substr(0, 256);
    // The slot was written but its header was not: the writer takes the slot back.
    std::uint8_t bytes[kSlotSize];
    EntryToBytes(MakeEntry(SampleFacts(), 2), bytes);
    store.Write(2 * 256, bytes, sizeof bytes);
    ASSERT_TRUE(EraseSlot(store, 2));
    EXPECT_EQ(header, store.bytes.substr(0, 256));
    EXPECT_EQ(1u, ListedEntries(store).size());
    EXPECT_EQ(2u, ChooseEntryNumber(store));
    EXPECT_FALSE(EraseSlot(store, 0));
}

TEST(ScanLogWrite, ARefusedWriteIsReported)
{
    MemoryStore store = TableWithEntries(1);
    store.refuseWrites = true;
    EXPECT_FALSE(WriteEntry(store, 2, MakeEntry(SampleFacts(), 2)));
    EXPECT_FALSE(FreeEntry(store, 1));
}

namespace {

scan_report::ReportStrings RealStrings()
{
    scan_report::ReportStrings strings;
    strings.header = "Morwick Vexomar for Windows NT\n\nReport For Scan Executed On  %s  At %s  \n \n";
    strings.counterLines = {"Total Boot Virus Infections    \t: %ld \n", "Total Boot Infections Cured    \t: %ld \n",
        "Total Directories Scanned      \t: %ld \n", "Total Files Scanned            \t: %ld \n",
        "Total Viruses Found            \t: %ld \n", "Total Files Infected           \t: %ld \n",
        "Total Files Cured              \t: %ld \n", "Total Files Deleted            \t: %ld \n",
        "Total Files Purged             \t: %ld \n", "Total Files Moved              \t: %ld \n",
        "Total Files Renamed            \t: %ld \n", "Total Files Renamed And Moved  \t: %ld \n"};
    strings.detectedTitle = "Viruses Detected\n";
    strings.detectionLine = "File %s infected with  %s - %s \n";
    return strings;
}

}  // namespace

TEST(ScanReportText, TheCountersFollowTheHeaderInTheirOrderWithTheirBlankLines)
{
    ScanCounters counters;
    counters.bootSectorInfections = 1;
    counters.bootSectorsCured = 2;
    counters.directoriesScanned = 3;
    counters.filesScanned = 4;
    counters.virusesFound = 5;
    counters.filesInfected = 6;
    counters.filesCured = 7;
    counters.filesDeleted = 8;
    counters.filesPurged = 9;
    counters.filesMoved = 10;
    counters.filesRenamed = 11;
    counters.filesRenamedAndMoved = 12;
    const std::string text = scan_report::ReportText(RealStrings(), " 3/07/96", " 2:05 PM", counters, {});
    EXPECT_EQ("Morwick Vexomar for Windows NT\n\nReport For Scan Executed On   3/07/96  At  2:05 PM  \n \n"
              "\n\n"
              "Total Boot Virus Infections    \t: 1 \n"
              "Total Boot Infections Cured    \t: 2 \n"
              "\n"
              "Total Directories Scanned      \t: 3 \n"
              "Total Files Scanned            \t: 4 \n"
              "Total Viruses Found            \t: 5 \n"
              "\n"
              "Total Files Infected           \t: 6 \n"
              "Total Files Cured              \t: 7 \n"
              "Total Files Deleted            \t: 8 \n"
              "Total Files Purged             \t: 9 \n"
              "Total Files Moved              \t: 10 \n"
              "Total Files Renamed            \t: 11 \n"
              "Total Files Renamed And Moved  \t: 12 \n"
              "\n",
        text);
}

TEST(ScanReportText, DetectionsFollowInListOrderWithTheirMessageInformation)
{
    const std::string longPath = "C:\\" + std::string(3000, 'D') + "\\X.COM";
    const std::vector<ScanResultLine> rows = {
        {"C:\\A.COM", "EICAR-Test-File", "Deleted", ""},
        {"ATTACH.EXE", "Cinder", "No Action", "From: ann, Subject: hello"},
        {longPath, "Zeta", "Renamed", ""},
    };
    const std::string text = scan_report::ReportText(RealStrings(), "d", "t", ScanCounters {}, rows);
    const std::string tail = "Total Files Renamed And Moved  \t: 0 \n"
                             "\n"
                             "Viruses Detected\n"
                             "File C:\\A.COM infected with  EICAR-Test-File - Deleted \n"
                             "File ATTACH.EXE infected with  Cinder - No Action \n"
                             "From: ann, Subject: hello\n"
                             "File " +
        longPath +
        " infected with  Zeta - Renamed \n"
        "\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(tail, text.substr(text.size() - tail.size()));
}

TEST(ScanReportText, TextModeStoresEveryLineFeedAfterACarriageReturn)
{
    EXPECT_EQ("a\r\n\r\nb \r\n", scan_report::TextModeBytes("a\n\nb \n"));
}

TEST(RecordListLine, TheLineHasItsPaddedColumnsAndTheSortKey)
{
    ScanLogFacts facts = SampleFacts();
    facts.cancelled = true;
    const ScanLogEntry entry = MakeEntry(facts, 1);
    const std::string when = EntryDateTimeText(entry, LocaleFormat());
    EXPECT_EQ(" 3/07/1996   2:05 PM", when);
    EXPECT_EQ(" 3/07/1996   2:05 PM\tC:\\DATA;Lotus Notes;\t3     \tRename File        \tCanceled\t"
              "0629223100918793",
        EntryListLine(entry, when, "Rename File", "Canceled"));
    EXPECT_EQ(EntryIcon::Viruses, IconOf(entry));
}

TEST(RecordListLine, TheDateFollowsTheLocalesOrderWithTheYearInFull)
{
    RegionalSettings settings;
    settings.dateOrder = RegionalSettings::DayMonthYear;
    settings.shortDatePicture = "d.m.yyyy";
    settings.dateSeparator = ".";
    settings.clock24 = true;
    const ScanLogEntry entry = MakeEntry(SampleFacts(), 1);
    EXPECT_EQ("07.03.1996  14:05", EntryDateTimeText(entry, LocaleFormat(settings)));
    settings.shortDatePicture = "dd.mm.yy";
    EXPECT_EQ("07.03.1996  14:05", EntryDateTimeText(entry, LocaleFormat(settings)));
}

TEST(RecordListLine, TheSortKeyOrdersByDateThenTime)
{
    ScanLogFacts early = SampleFacts();
    early.start = {1999, 12, 31, 23, 59, 59};
    ScanLogFacts late = SampleFacts();
    late.start = {2000, 1, 1, 0, 0, 0};
    EXPECT_LT(EntrySortKey(MakeEntry(early, 1)), EntrySortKey(MakeEntry(late, 2)));
    EXPECT_EQ("0655385700000000", EntrySortKey(MakeEntry(late, 2)));
}

TEST(RecordListLine, IconsFollowVirusesThenCancelThenClean)
{
    ScanLogFacts facts = SampleFacts();
    facts.virusesFound = 0;
    EXPECT_EQ(EntryIcon::Clean, IconOf(MakeEntry(facts, 1)));
    facts.cancelled = true;
    EXPECT_EQ(EntryIcon::Cancelled, IconOf(MakeEntry(facts, 1)));
}
