// DRUMEL's settings and broadcast records: every get and set, sizes, domains, damaged files.
#include <gtest/gtest.h>

#include <array>

#include "drumel.h"
#include "scratch_site.h"
#include "server_store.h"

namespace {

using GetFn = DWORD(WINAPI*)(const char*, void*, DWORD);
using SetFn = DWORD(WINAPI*)(const char*, const void*, DWORD, DWORD);

struct RecordCalls {
    const char* what;
    GetFn get;
    SetFn set;
};

const RecordCalls kRecords[] = {
    {"service", &VexomarGetServiceConfig, &VexomarSetServiceConfig},
    {"activity log", &VexomarGetActivityLogConfig, &VexomarSetActivityLogConfig},
    {"scan log", &VexomarGetScanLogConfig, &VexomarSetScanLogConfig},
};

class DrumelRecords : public ::testing::Test {
protected:
    ScratchSite m_site;
};

}  // namespace

TEST_F(DrumelRecords, EveryRecordIsStoredAndReadBackByteForByte)
{
    for (const RecordCalls& calls : kRecords) {
        std::array<BYTE, 12> record;
        for (int i = 0; i < 12; ++i)
            record[i] = BYTE(0x30 + i);
        ASSERT_EQ(0u, calls.set("ALPHA", record.data(), 12, 0)) << calls.what;
        std::array<BYTE, 12> back {};
        ASSERT_EQ(0u, calls.get("ALPHA", back.data(), 12)) << calls.what;
        EXPECT_EQ(record, back) << calls.what;
        EXPECT_EQ(87u, calls.get("ALPHA", back.data(), 11)) << calls.what;
        EXPECT_EQ(87u, calls.set("ALPHA", record.data(), 13, 0)) << calls.what;
        EXPECT_EQ(87u, calls.get("ALPHA", nullptr, 12)) << calls.what;
        EXPECT_EQ(1722u, calls.get("NOWHERE", back.data(), 12)) << calls.what;
    }
    // The records are kept apart: the last set of one did not change another.
    std::array<BYTE, 12> service {};
    VexomarGetServiceConfig("ALPHA", service.data(), 12);
    EXPECT_EQ(0x30, service[0]);
}

TEST_F(DrumelRecords, AServerNeverSetGivesTheDefaults)
{
    std::array<BYTE, 12> service {}, scanLog {};
    ASSERT_EQ(0u, VexomarGetServiceConfig("BETA", service.data(), 12));
    EXPECT_EQ((std::array<BYTE, 12> {7, 0, 0, 0, 0x58, 0x02, 0, 0, 0, 0, 0, 0}), service) << "7 days, 600 s, manual";
    ASSERT_EQ(0u, VexomarGetScanLogConfig("BETA", scanLog.data(), 12));
    EXPECT_EQ((std::array<BYTE, 12> {200, 0, 0, 0, 30, 0, 0, 0, 7, 0, 0, 0}), scanLog);
}

TEST_F(DrumelRecords, DomainWideSetsReachEveryServerOfTheDomain)
{
    const std::array<BYTE, 12> record = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    ASSERT_EQ(0u, VexomarSetActivityLogConfig("SALES", record.data(), 12, 1));
    for (const char* server : {"ALPHA", "BETA"}) {
        std::array<BYTE, 12> back {};
        ASSERT_EQ(0u, VexomarGetActivityLogConfig(server, back.data(), 12));
        EXPECT_EQ(record, back) << server;
    }
    std::array<BYTE, 12> gamma {};
    VexomarLogon("GAMMA", "admin", "Secret");
    VexomarGetActivityLogConfig("GAMMA", gamma.data(), 12);
    EXPECT_NE(record, gamma) << "another domain is left alone";
}

TEST_F(DrumelRecords, BroadcastRecordKeepsAllThirtyTwoBytesAndModeTwoReachesTheDomain)
{
    std::array<BYTE, 32> record;
    for (int i = 0; i < 32; ++i)
        record[i] = BYTE(0xA0 + i);
    ASSERT_EQ(0u, VexomarSetBCast("ALPHA", record.data(), 32, 0));
    std::array<BYTE, 32> back {}, beta {};
    ASSERT_EQ(0u, VexomarGetBCast("ALPHA", back.data(), 32));
    EXPECT_EQ(record, back);
    ASSERT_EQ(0u, VexomarGetBCast("BETA", beta.data(), 32));
    EXPECT_NE(record, beta) << "mode 0 is the server alone";
    EXPECT_EQ(3, beta[0]) << "defaults: both protocols";

    ASSERT_EQ(0u, VexomarSetBCast("ALPHA", record.data(), 32, 2));
    ASSERT_EQ(0u, VexomarGetBCast("BETA", beta.data(), 32));
    EXPECT_EQ(record, beta);
    EXPECT_EQ(87u, VexomarSetBCast("ALPHA", record.data(), 32, 3));
    EXPECT_EQ(87u, VexomarGetBCast("ALPHA", back.data(), 31));
}

TEST_F(DrumelRecords, ADamagedSettingsFileIsRefusedAndLeftAsItIs)
{
    const std::array<BYTE, 12> record = {9, 0, 0, 0, 120, 0, 0, 0, 1, 0, 0, 0};
    ASSERT_EQ(0u, VexomarSetServiceConfig("ALPHA", record.data(), 12, 0));
    const std::string path = m_site.DataFolder("ALPHA") + "\\VEXOMAR\\CONFIG.VXS";
    std::vector<BYTE> bytes = ScratchAlertHome::ReadBytes(path);
    ASSERT_EQ(92u, bytes.size()) << "20 bytes of envelope around 72 bytes of settings";
    bytes[20] ^= 0xFF;
    ScratchAlertHome::WriteBytes(path, bytes);
    std::array<BYTE, 12> back {};
    EXPECT_EQ(1392u, VexomarGetServiceConfig("ALPHA", back.data(), 12));
    EXPECT_EQ(1392u, VexomarSetScanLogConfig("ALPHA", record.data(), 12, 0));
    EXPECT_EQ(bytes, ScratchAlertHome::ReadBytes(path));
}
