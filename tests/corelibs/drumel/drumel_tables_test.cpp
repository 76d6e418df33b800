// DRUMEL's address tables: chunked save and load, limits, reload and sync reaching other servers.
#include <gtest/gtest.h>

#include "drumel.h"
#include "scratch_site.h"
#include "server_store.h"

namespace {

std::vector<BYTE> Entries(DWORD size, DWORD count, BYTE seed)
{
    std::vector<BYTE> bytes(size_t(size) * count);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = BYTE(seed + i * 7 + i / size);
    return bytes;
}

// Saves as the broadcast pages do: runs of `perCall`, the first replacing.
DWORD SaveInRuns(const char* server, DWORD table, const std::vector<BYTE>& all, DWORD size, DWORD perCall, DWORD wide)
{
    const DWORD count = DWORD(all.size() / size);
    DWORD stored = 0;
    for (DWORD done = 0; done < count || (count == 0 && done == 0);) {
        const DWORD run = std::min(perCall, count - done);
        DWORD n = 0;
        if (VexomarTableSave(server, table, all.data() + size_t(done) * size, run * size, run, done == 0, wide, &n))
            return stored;
        stored += n;
        if (n == 0 || (done += run) >= count)
            break;
    }
    return stored;
}

std::vector<BYTE> LoadInRuns(const char* server, DWORD table, DWORD size, DWORD largest, DWORD perCall)
{
    std::vector<BYTE> buffer(size_t(size) * largest);
    DWORD count = 0, got = 0;
    do {
        got = 0;
        if (VexomarTableLoad(server, table, buffer.data() + size_t(count) * size, DWORD(buffer.size()) - count * size,
                count, perCall, &got))
            break;
        count += got;
    } while (got > 0 && count + perCall < largest + perCall);
    buffer.resize(size_t(count) * size);
    return buffer;
}

std::uint32_t TakenUpCount(const ScratchSite& site, const char* server, size_t table)
{
    ServerStatus status;
    return ServerStore(site.Place(server)).ReadStatus(status) == 0 ? status.tableCounts[table] : 0xFFFFFFFF;
}

class DrumelTables : public ::testing::Test {
protected:
    void TearDown() override
    {
        VexomarStopService("SALES");
        m_site.UninstallAll();
    }
    ScratchSite m_site;
};

}  // namespace

TEST_F(DrumelTables, NtDomainsSavedInChunksLoadBackByteForByte)
{
    const std::vector<BYTE> all = Entries(80, 450, 1);
    EXPECT_EQ(450u, SaveInRuns("ALPHA", 1, all, 80, 200, 0));
    EXPECT_EQ(all, LoadInRuns("ALPHA", 1, 80, 3072, 200));
    // A second save replaces the first.
    const std::vector<BYTE> fewer = Entries(80, 3, 9);
    EXPECT_EQ(3u, SaveInRuns("ALPHA", 1, fewer, 80, 200, 0));
    EXPECT_EQ(fewer, LoadInRuns("ALPHA", 1, 80, 3072, 200));
}

TEST_F(DrumelTables, LimitsOfTheTables)
{
    const std::vector<BYTE> masks = Entries(24, 33, 2);
    DWORD n = 0;
    ASSERT_EQ(0u, VexomarTableSave("ALPHA", 4, masks.data(), 33 * 24, 33, 1, 0, &n));
    EXPECT_EQ(32u, n) << "the 33rd mask is not stored";
    EXPECT_EQ(std::vector<BYTE>(masks.begin(), masks.begin() + 32 * 24), LoadInRuns("ALPHA", 4, 24, 32, 32));

    const std::vector<BYTE> nets = Entries(24, 4096, 3);
    EXPECT_EQ(4096u, SaveInRuns("ALPHA", 2, nets, 24, 400, 0));
    ASSERT_EQ(0u, VexomarTableSave("ALPHA", 2, nets.data(), 24, 1, 0, 0, &n));
    EXPECT_EQ(0u, n) << "a full table stores nothing more";

    EXPECT_EQ(87u, VexomarTableSave("ALPHA", 3, nets.data(), 24, 1, 1, 0, &n)) << "no table 3";
    EXPECT_EQ(87u, VexomarTableSave("ALPHA", 2, nets.data(), 23, 1, 1, 0, &n)) << "fewer bytes than one entry";
    EXPECT_EQ(87u, VexomarTableLoad("ALPHA", 8, std::vector<BYTE>(24).data(), 24, 0, 1, &n));

    // An empty save with the replace flag empties the table.
    ASSERT_EQ(0u, VexomarTableSave("ALPHA", 4, nullptr, 0, 0, 1, 0, &n));
    EXPECT_EQ(0u, n);
    EXPECT_TRUE(LoadInRuns("ALPHA", 4, 24, 32, 32).empty());
}

TEST_F(DrumelTables, DomainWideSaveAndReloadReachTheRunningInstances)
{
    m_site.Install({"ALPHA", "BETA"});
    ASSERT_EQ(0u, VexomarStartService("SALES", 0));
    const std::vector<BYTE> masks = Entries(24, 5, 4);
    EXPECT_EQ(5u, SaveInRuns("SALES", 4, masks, 24, 32, 1));
    EXPECT_EQ(masks, LoadInRuns("BETA", 4, 24, 32, 32));
    ASSERT_EQ(0u, VexomarTableReload("SALES", 4, 0, 0));
    EXPECT_TRUE(
        WaitFor([&] { return TakenUpCount(m_site, "ALPHA", 2) == 5 && TakenUpCount(m_site, "BETA", 2) == 5; }, 5000));
}

TEST_F(DrumelTables, SyncCopiesTheServersTablesToTheRestOfItsDomain)
{
    m_site.Install({"BETA"});
    ASSERT_EQ(0u, VexomarStartService("BETA", 0));
    const std::vector<BYTE> domains = Entries(80, 7, 5);
    const std::vector<BYTE> nets = Entries(24, 9, 6);
    EXPECT_EQ(7u, SaveInRuns("ALPHA", 1, domains, 80, 200, 0));
    EXPECT_EQ(9u, SaveInRuns("ALPHA", 2, nets, 24, 400, 0));
    EXPECT_TRUE(LoadInRuns("BETA", 1, 80, 3072, 200).empty());

    ASSERT_EQ(0u, VexomarTableSync("ALPHA", 1 | 2, 0, 0, 1));
    EXPECT_EQ(domains, LoadInRuns("BETA", 1, 80, 3072, 200));
    EXPECT_EQ(nets, LoadInRuns("BETA", 2, 24, 4096, 400));
    EXPECT_TRUE(
        WaitFor([&] { return TakenUpCount(m_site, "BETA", 0) == 7 && TakenUpCount(m_site, "BETA", 1) == 9; }, 5000));
    VexomarLogon("GAMMA", "admin", "Secret");
    EXPECT_TRUE(LoadInRuns("GAMMA", 1, 80, 3072, 200).empty()) << "another domain is left alone";
    EXPECT_EQ(87u, VexomarTableSync("ALPHA", 8, 0, 0, 1));
    EXPECT_EQ(87u, VexomarTableSync("ALPHA", 1, 0, 0, 0));
}
