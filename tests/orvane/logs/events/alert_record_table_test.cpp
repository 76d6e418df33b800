// CAlertRecordTable against real table files: creation, slots, the delete rule and the path cache.
#include <gtest/gtest.h>

#include <cstring>

#include "alert_record_table.h"
#include "events_fixture.h"
#include "program_values.h"
#include "test_program.h"
#include "scratch_alert_home.h"

namespace {

using AlertRecordTableTest = EventLogFolderTest;

const TableSlot kZeroSlot {};

}  // namespace

TEST_F(AlertRecordTableTest, OpeningAMissingTableCreatesOneZeroedHeader)
{
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(1, table.Open());
    EXPECT_EQ(0, table.SlotCount());
    EXPECT_EQ(std::vector<BYTE>(256, 0), ReadTable());
    EXPECT_EQ(folder, table.EventLogDirectory());
    EXPECT_EQ(TablePath(), table.TablePath());
}

TEST_F(AlertRecordTableTest, OpeningCountsWholeSlotsAfterTheHeader)
{
    WriteTable(HeaderSlot(1, 0, 0), {RecordSlot("AL000001.EVT", "a", "ALERT", 0, 1), kZeroSlot, kZeroSlot});
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(1, table.Open());
    EXPECT_EQ(3, table.SlotCount());
    // A torn last slot is not counted.
    std::vector<BYTE> bytes = ReadTable();
    bytes.resize(bytes.size() - 1);
    ScratchAlertHome::WriteBytes(TablePath(), bytes);
    EXPECT_EQ(1, table.Open());
    EXPECT_EQ(2, table.SlotCount());
    EXPECT_EQ(static_cast<LONGLONG>(bytes.size()), table.FileLength());
}

TEST_F(AlertRecordTableTest, TheHeaderReadsBackAndAMissingTableGivesZerosAndIsCreated)
{
    CAlertRecordTable table(TestProgram());
    BYTE header[256];
    std::memset(header, 0x5A, sizeof header);
    table.ReadHeader(header);
    EXPECT_EQ(std::vector<BYTE>(256, 0), std::vector<BYTE>(header, header + 256));
    EXPECT_EQ(std::vector<BYTE>(256, 0), ReadTable());

    const TableSlot written = HeaderSlot(4, 5, 6);
    EXPECT_EQ(1, table.WriteHeader(written.data()));
    table.ReadHeader(header);
    EXPECT_EQ(0, std::memcmp(written.data(), header, 256));
    EXPECT_EQ(std::vector<BYTE>(written.begin(), written.end()), ReadTable());
}

TEST_F(AlertRecordTableTest, RecordsReadOnlyWhenAllTwoHundredFiftySixBytesAreThere)
{
    const TableSlot first = RecordSlot("AL000001.EVT", "Disk full", "ALERT", 2, 1765000000);
    WriteTable(HeaderSlot(0, 1, 0), {first});
    CAlertRecordTable table(TestProgram());
    BYTE slot[256];
    EXPECT_EQ(1, table.ReadRecord(1, slot));
    EXPECT_EQ(0, std::memcmp(first.data(), slot, 256));
    EXPECT_EQ(0, table.ReadRecord(2, slot));
    EXPECT_EQ(0, table.ReadRecord(-1, slot));

    std::vector<BYTE> bytes = ReadTable();
    bytes.resize(256 + 100);
    ScratchAlertHome::WriteBytes(TablePath(), bytes);
    EXPECT_EQ(0, table.ReadRecord(1, slot));
}

TEST_F(AlertRecordTableTest, WritingARecordNeedsTheTableAndLandsAtItsSlot)
{
    CAlertRecordTable table(TestProgram());
    const TableSlot record = RecordSlot("AL000002.EVT", "b", "VEXOMAR", 3, 7);
    EXPECT_EQ(0, table.WriteRecord(1, record.data()));
    EXPECT_FALSE(Exists(TablePath()));

    WriteTable(HeaderSlot(0, 0, 0), {});
    EXPECT_EQ(1, table.WriteRecord(2, record.data()));
    const std::vector<BYTE> bytes = ReadTable();
    ASSERT_EQ(768u, bytes.size());
    EXPECT_EQ(record, ReadSlot(2));
}

TEST_F(AlertRecordTableTest, DeletingDecreasesItsCountRemovesTheEventFileAndZeroesTheSlot)
{
    const TableSlot kept = RecordSlot("AL000001.EVT", "kept", "ALERT", 0, 1);
    WriteTable(HeaderSlot(2, 1, 1), {kept, RecordSlot("AL000002.EVT", "gone", "ALERT", 2, 2)});
    WriteText("AL000001.EVT", "one");
    WriteText("AL000002.EVT", "two");

    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(1, table.DeleteRecord(2));
    EXPECT_EQ(HeaderSlot(2, 0, 1), ReadSlot(0));
    EXPECT_EQ(kZeroSlot, ReadSlot(2));
    EXPECT_EQ(kept, ReadSlot(1));
    EXPECT_FALSE(Exists(FilePath("AL000002.EVT")));
    EXPECT_TRUE(Exists(FilePath("AL000001.EVT")));
    EXPECT_EQ(768u, ReadTable().size());
}

TEST_F(AlertRecordTableTest, EachPriorityTakesFromItsOwnCount)
{
    WriteTable(HeaderSlot(5, 5, 5),
        {RecordSlot("A1.EVT", "", "A", 1, 0), RecordSlot("A3.EVT", "", "A", 3, 0), RecordSlot("A9.EVT", "", "A", 9, 0),
            RecordSlot("AM.EVT", "", "A", -1, 0)});
    CAlertRecordTable table(TestProgram());
    table.DeleteRecord(1);
    EXPECT_EQ(HeaderSlot(4, 5, 5), ReadSlot(0));
    table.DeleteRecord(2);
    EXPECT_EQ(HeaderSlot(4, 5, 4), ReadSlot(0));
    // Priorities outside 0 to 3 count nowhere, and their slots still go.
    EXPECT_EQ(1, table.DeleteRecord(3));
    EXPECT_EQ(1, table.DeleteRecord(4));
    EXPECT_EQ(HeaderSlot(4, 5, 4), ReadSlot(0));
    EXPECT_EQ(kZeroSlot, ReadSlot(3));
    EXPECT_EQ(kZeroSlot, ReadSlot(4));
}

TEST_F(AlertRecordTableTest, ACountAlreadyZeroStaysZero)
{
    WriteTable(HeaderSlot(0, 3, 0), {RecordSlot("AL000001.EVT", "x", "ALERT", 1, 5)});
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(1, table.DeleteRecord(1));
    EXPECT_EQ(HeaderSlot(0, 3, 0), ReadSlot(0));
    EXPECT_EQ(kZeroSlot, ReadSlot(1));
}

TEST_F(AlertRecordTableTest, DeletingKeepsTheHeadersOtherBytes)
{
    TableSlot header = HeaderSlot(1, 0, 0);
    header[200] = 0x77;
    WriteTable(header, {RecordSlot("AL000001.EVT", "x", "ALERT", 0, 5)});
    CAlertRecordTable table(TestProgram());
    table.DeleteRecord(1);
    TableSlot expected = HeaderSlot(0, 0, 0);
    expected[200] = 0x77;
    EXPECT_EQ(expected, ReadSlot(0));
}

TEST_F(AlertRecordTableTest, AFreeSlotTheHeaderOrAMissingSlotChangesNothing)
{
    TableSlot free = RecordSlot("AL000001.EVT", "x", "ALERT", 0, 5);
    free[0] = 0;
    WriteTable(HeaderSlot(1, 0, 0), {free});
    WriteText("AL000001.EVT", "one");
    const std::vector<BYTE> before = ReadTable();
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(0, table.DeleteRecord(1));
    EXPECT_EQ(0, table.DeleteRecord(0));
    EXPECT_EQ(0, table.DeleteRecord(7));
    EXPECT_EQ(before, ReadTable());
    EXPECT_TRUE(Exists(FilePath("AL000001.EVT")));
}

TEST_F(AlertRecordTableTest, AnEventFileNameThatLeavesTheFolderIsNotDeleted)
{
    WriteText("OUTSIDE.TXT", "keep");
    const std::string sub = folder + "\\SUB";
    CreateDirectoryA(sub.c_str(), nullptr);
    WriteTable(HeaderSlot(1, 0, 0), {RecordSlot("..\\OUTSIDE.TXT", "x", "ALERT", 0, 5)});
    core.AnswerAlways("AlertGetHomeEventLog", FakeAnswer {1, 0, std::vector<BYTE>(sub.begin(), sub.end()), {}});
    CAlertRecordTable::ForgetPaths();
    // The table in SUB carries the hostile name.
    CopyFileA(TablePath().c_str(), (sub + "\\ALRECORD.TBL").c_str(), FALSE);
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(1, table.DeleteRecord(1));
    EXPECT_TRUE(Exists(FilePath("OUTSIDE.TXT")));
}

TEST_F(AlertRecordTableTest, ThePathsAreAskedOncePerServer)
{
    CAlertRecordTable first(TestProgram());
    first.Open();
    CAlertRecordTable second(TestProgram());
    BYTE header[256];
    second.ReadHeader(header);
    second.FileLength();
    ASSERT_EQ(1u, core.CallsOf("AlertGetHomeEventLog").size());
    EXPECT_EQ("ALPHA", core.CallsOf("AlertGetHomeEventLog")[0].texts[0]);

    std::strcpy(TestProgram().serverName, "BETA");
    second.Open();
    ASSERT_EQ(2u, core.CallsOf("AlertGetHomeEventLog").size());
    EXPECT_EQ("BETA", core.CallsOf("AlertGetHomeEventLog")[1].texts[0]);
}

TEST_F(AlertRecordTableTest, AFailedHomeCallLeavesBothPathsEmptyAndEveryOperationFailsQuietly)
{
    core.AnswerAlways("AlertGetHomeEventLog", FakeAnswer {0, 0, {'C', ':', '\\', 0}, {}});
    WriteTable(HeaderSlot(1, 0, 0), {RecordSlot("AL000001.EVT", "x", "ALERT", 0, 5)});
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(0, table.Open());
    EXPECT_STREQ("", table.EventLogDirectory());
    EXPECT_STREQ("", table.TablePath());
    BYTE slot[256];
    std::memset(slot, 0x33, sizeof slot);
    table.ReadHeader(slot);
    EXPECT_EQ(std::vector<BYTE>(256, 0), std::vector<BYTE>(slot, slot + 256));
    EXPECT_EQ(0, table.ReadRecord(1, slot));
    EXPECT_EQ(0, table.WriteRecord(1, slot));
    EXPECT_EQ(0, table.WriteHeader(slot));
    EXPECT_EQ(0, table.DeleteRecord(1));
    EXPECT_EQ(-1, table.FileLength());
    // Asked again each time, since nothing was cached.
    EXPECT_GE(core.CallsOf("AlertGetHomeEventLog").size(), 2u);
}

TEST_F(AlertRecordTableTest, ADirectoryLeavingNoRoomForTheTableNameIsRefused)
{
    const std::string longDirectory = "C:\\" + std::string(505, 'd');
    core.AnswerAlways(
        "AlertGetHomeEventLog", FakeAnswer {1, 0, std::vector<BYTE>(longDirectory.begin(), longDirectory.end()), {}});
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(0, table.Open());
    EXPECT_STREQ("", table.TablePath());
}

TEST_F(AlertRecordTableTest, WhileTheServiceWritesRecordsStillReadAndADeleteChangesNothing)
{
    WriteTable(HeaderSlot(1, 0, 0), {RecordSlot("AL000001.EVT", "x", "ALERT", 0, 5)});
    WriteText("AL000001.EVT", "one");
    const std::vector<BYTE> before = ReadTable();
    // The service's way of holding the table while it adds an alert.
    HANDLE service = CreateFileA(TablePath().c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, service);
    CAlertRecordTable table(TestProgram());
    BYTE slot[256];
    EXPECT_EQ(1, table.ReadRecord(1, slot));
    EXPECT_EQ(1, table.Open());
    EXPECT_EQ(1, table.SlotCount());
    EXPECT_EQ(0, table.DeleteRecord(1));
    EXPECT_EQ(0, table.WriteRecord(1, slot));
    CloseHandle(service);
    EXPECT_EQ(before, ReadTable());
    EXPECT_TRUE(Exists(FilePath("AL000001.EVT")));

    EXPECT_EQ(1, table.DeleteRecord(1));
    EXPECT_FALSE(Exists(FilePath("AL000001.EVT")));
}

TEST_F(AlertRecordTableTest, ATableOpenForReadingElsewhereCanStillBeDeletedFrom)
{
    WriteTable(HeaderSlot(0, 0, 1), {RecordSlot("AL000001.EVT", "x", "ALERT", 3, 5)});
    HANDLE reader = CreateFileA(TablePath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, reader);
    CAlertRecordTable table(TestProgram());
    EXPECT_EQ(1, table.DeleteRecord(1));
    CloseHandle(reader);
    EXPECT_EQ(HeaderSlot(0, 0, 0), ReadSlot(0));
}

TEST_F(AlertRecordTableTest, EverySlotIsVisitedInOrderAcrossRunsAndATornLastSlotIsLeftOut)
{
    std::vector<TableSlot> slots;
    for (int i = 1; i <= 150; ++i)
        slots.push_back(RecordSlot("AL" + std::to_string(100000 + i) + ".EVT", "r" + std::to_string(i), "ALERT", 3, i));
    WriteTable(HeaderSlot(0, 0, 150), slots);
    std::vector<BYTE> bytes = ReadTable();
    bytes.resize(bytes.size() + 100, 0x41);
    ScratchAlertHome::WriteBytes(TablePath(), bytes);

    CAlertRecordTable table(TestProgram());
    std::vector<int> indexes;
    bool same = true;
    EXPECT_EQ(150, table.ForEachSlot(1, [&](int index, const BYTE* slot) {
        indexes.push_back(index);
        same = same && std::memcmp(slot, slots[static_cast<size_t>(index - 1)].data(), 256) == 0;
    }));
    ASSERT_EQ(150u, indexes.size());
    EXPECT_EQ(1, indexes.front());
    EXPECT_EQ(150, indexes.back());
    EXPECT_TRUE(same);

    int visited = 0;
    EXPECT_EQ(2, table.ForEachSlot(149, [&](int, const BYTE*) { ++visited; }));
    EXPECT_EQ(2, visited);
    EXPECT_EQ(0, table.ForEachSlot(151, [&](int, const BYTE*) { ++visited; }));
    EXPECT_EQ(2, visited);
}

TEST_F(AlertRecordTableTest, AMissingTableHasNoSlotsToVisit)
{
    CAlertRecordTable table(TestProgram());
    int visited = 0;
    EXPECT_EQ(0, table.ForEachSlot(1, [&](int, const BYTE*) { ++visited; }));
    EXPECT_EQ(0, visited);
    EXPECT_FALSE(Exists(TablePath()));
}
