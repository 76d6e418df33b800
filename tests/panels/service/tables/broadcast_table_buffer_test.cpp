// The tables loaded and saved in runs: the calls made, their arguments and the bytes stored.
#include <gtest/gtest.h>

#include "broadcast_table_buffer.h"
#include "broadcast_table_kind.h"
#include "recording_table_calls.h"
#include "table_entries_for_tests.h"

namespace {

TableCall Load(DWORD table, DWORD size, DWORD first, DWORD largest)
{
    return {"load", "ALPHA", table, size, first, largest, 0, 0};
}

TableCall Save(DWORD table, DWORD size, DWORD number, DWORD replace, DWORD wide = 0)
{
    return {"save", "ALPHA", table, size, 0, number, replace, wide};
}

TableCall Reload(DWORD table)
{
    return {"reload", "ALPHA", table, 0, 0, 0, 0, 0};
}

std::vector<BYTE> Held(const BroadcastTableBuffer& buffer, DWORD entrySize)
{
    return std::vector<BYTE>(buffer.Entry(0), buffer.Entry(0) + size_t(buffer.Count()) * entrySize);
}

}  // namespace

TEST(BroadcastTableBuffer, AFullIpNetTableLoadsInRunsOf400ToItsLastEntry)
{
    RecordingTableCalls calls;
    calls.tables[2] = BytesOf(SortedIpNets(4096));
    BroadcastTableBuffer buffer(kIpNetTable);
    buffer.Load(calls, "ALPHA");

    std::vector<TableCall> expected;
    for (DWORD first = 0; first < 4000; first += 400)
        expected.push_back(Load(2, (4096 - first) * 24, first, 400));
    expected.push_back(Load(2, 96 * 24, 4000, 96));
    EXPECT_EQ(expected, calls.calls);
    EXPECT_EQ(4096u, buffer.Count());
    EXPECT_EQ(calls.tables[2], Held(buffer, 24));
}

TEST(BroadcastTableBuffer, AFullIpNetTableSavesInRunsTheFirstReplacingThenReloads)
{
    RecordingTableCalls calls;
    const std::vector<BYTE> nets = BytesOf(SortedIpNets(4096));
    calls.tables[2] = nets;
    BroadcastTableBuffer buffer(kIpNetTable);
    buffer.Load(calls, "ALPHA");
    calls.calls.clear();
    calls.tables[2].clear();

    EXPECT_TRUE(buffer.Save(calls, "ALPHA", true));
    std::vector<TableCall> expected;
    for (DWORD first = 0; first < 4000; first += 400)
        expected.push_back(Save(2, 400 * 24, 400, first == 0 ? 1 : 0, 1));
    expected.push_back(Save(2, 96 * 24, 96, 0, 1));
    expected.push_back(Reload(2));
    EXPECT_EQ(expected, calls.calls);
    EXPECT_EQ(nets, calls.tables[2]);
}

TEST(BroadcastTableBuffer, ShortTablesStopAtTheFirstCallThatBringsNothing)
{
    RecordingTableCalls calls;
    calls.tables[1] = BytesOf(std::vector<NtDomainEntry>(250, NtDomain("SALES")));
    BroadcastTableBuffer domains(kNtDomainTable);
    domains.Load(calls, "ALPHA");
    EXPECT_EQ(250u, domains.Count());
    EXPECT_EQ((std::vector<TableCall> {
                  Load(1, 3072 * 80, 0, 200), Load(1, 2872 * 80, 200, 200), Load(1, 2822 * 80, 250, 200)}),
        calls.calls);
}

TEST(BroadcastTableBuffer, TheMaskTableIsReadInOneCall)
{
    RecordingTableCalls calls;
    calls.tables[4] = BytesOf(std::vector<IpMaskEntry>(32, IpMask("255.255.0.0")));
    BroadcastTableBuffer masks(kIpMaskTable);
    masks.Load(calls, "ALPHA");
    EXPECT_EQ(32u, masks.Count());
    EXPECT_EQ((std::vector<TableCall> {Load(4, 32 * 24, 0, 32)}), calls.calls);
}

TEST(BroadcastTableBuffer, AFullDomainTableLoadsAndSavesEvery3072Entries)
{
    RecordingTableCalls calls;
    std::vector<NtDomainEntry> domains;
    for (int i = 0; i < 3072; ++i)
        domains.push_back(NtDomain(("D" + std::to_string(i)).c_str(), i % 2, i % 3 ? kOwnerUser : kOwnerAutomatic));
    calls.tables[1] = BytesOf(domains);
    BroadcastTableBuffer buffer(kNtDomainTable);
    buffer.Load(calls, "ALPHA");
    EXPECT_EQ(3072u, buffer.Count());
    EXPECT_EQ(16u, calls.Loads());
    EXPECT_EQ(Load(1, 72 * 80, 3000, 72), calls.calls.back());
    calls.tables[1].clear();
    EXPECT_TRUE(buffer.Save(calls, "ALPHA", false));
    EXPECT_EQ(16u, calls.Saves());
    EXPECT_EQ(BytesOf(domains), calls.tables[1]);
}

TEST(BroadcastTableBuffer, AFailedLoadKeepsWhatWasReadAndSaysNothing)
{
    RecordingTableCalls calls;
    calls.tables[2] = BytesOf(SortedIpNets(1000));
    calls.failLoadAt = 1;
    BroadcastTableBuffer buffer(kIpNetTable);
    buffer.Load(calls, "ALPHA");
    EXPECT_EQ(400u, buffer.Count());
    EXPECT_EQ(2u, calls.Loads());
}

TEST(BroadcastTableBuffer, AnEmptyTableIsOneReplacingSaveWithNoEntries)
{
    RecordingTableCalls calls;
    calls.tables[4] = BytesOf(std::vector<IpMaskEntry>(3, IpMask("255.0.0.0")));
    BroadcastTableBuffer masks(kIpMaskTable);
    EXPECT_TRUE(masks.Save(calls, "ALPHA", false));
    EXPECT_EQ((std::vector<TableCall> {Save(4, 0, 0, 1), Reload(4)}), calls.calls);
    EXPECT_TRUE(calls.tables[4].empty());
}

TEST(BroadcastTableBuffer, ASaveThatStoresNothingOrFailsEndsTheRunsAndIsNotReportedSaved)
{
    RecordingTableCalls calls;
    calls.tables[2] = BytesOf(SortedIpNets(1000));
    BroadcastTableBuffer buffer(kIpNetTable);
    buffer.Load(calls, "ALPHA");

    calls.calls.clear();
    calls.failSaveAt = 1;
    EXPECT_FALSE(buffer.Save(calls, "ALPHA", false));
    EXPECT_EQ((std::vector<TableCall> {Save(2, 400 * 24, 400, 1), Save(2, 400 * 24, 400, 0), Reload(2)}), calls.calls);

    calls.calls.clear();
    calls.failSaveAt = ~0u;
    calls.storeAtMost = 0;
    EXPECT_FALSE(buffer.Save(calls, "ALPHA", false));
    EXPECT_EQ((std::vector<TableCall> {Save(2, 400 * 24, 400, 1), Reload(2)}), calls.calls);

    // Part of a run stored: the rest is still sent, and the save is not a complete one.
    calls.calls.clear();
    calls.storeAtMost = 399;
    EXPECT_FALSE(buffer.Save(calls, "ALPHA", false));
    EXPECT_EQ(3u, calls.Saves());
}

TEST(BroadcastTableBuffer, AppendRefusesTheEntryAfterTheLargestCount)
{
    BroadcastTableBuffer masks(kIpMaskTable);
    const IpMaskEntry mask = IpMask("255.255.255.0");
    for (int i = 0; i < 32; ++i)
        ASSERT_TRUE(masks.Append(reinterpret_cast<const BYTE*>(&mask)));
    EXPECT_FALSE(masks.Append(reinterpret_cast<const BYTE*>(&mask)));
    EXPECT_EQ(32u, masks.Count());
}
