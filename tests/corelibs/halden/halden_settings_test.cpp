// HALDEN.DLL's per-application calls against a scratch Alert home: exact bytes in and out.
#include <windows.h>

#include <cstring>
#include <functional>
#include <thread>

#include <gtest/gtest.h>

#include "halden.h"
#include "scratch_alert_home.h"

namespace {

std::vector<BYTE> Pattern(std::size_t size, BYTE seed)
{
    std::vector<BYTE> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<BYTE>(seed + i * 31);
    return bytes;
}

void* GlobalCopy(const std::vector<BYTE>& bytes)
{
    void* block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes.size());
    std::memcpy(block, bytes.data(), bytes.size());
    return block;
}

struct Method {
    const char* name;
    std::size_t recordSize;
    int slot;
    int(WINAPI* get)(LPCSTR, WORD*, void**, LPCSTR);
    std::function<int(WORD, void*, int, LPCSTR)> set;
};

std::vector<BYTE> g_block(3944, 0);

std::vector<Method> Methods()
{
    return {
        {"broadcast", 52, 0, AlertGetBroadcast,
            [](WORD n, void* l, int e, LPCSTR a) { return AlertSetBroadcast("", n, l, e, a); }},
        {"pager", 148, 1, AlertGetPager,
            [](WORD n, void* l, int e, LPCSTR a) { return AlertSetPager("", n, l, e, a); }},
        {"e-mail", 56, 3, AlertGetEMail,
            [](WORD n, void* l, int e, LPCSTR a) { return AlertSetEMail("", n, l, g_block.data(), e, a); }},
        {"SNMP", 68, 6, AlertGetSnmp, [](WORD n, void* l, int e, LPCSTR a) { return AlertSetSnmp("", n, l, e, a); }},
        {"trouble ticket", 208, 7, AlertGetTTixPRINTQ_HEADER,
            [](WORD n, void* l, int e, LPCSTR a) { return AlertSetTTixPRINTQ_HEADER("", n, l, g_block.data(), e, a); }},
        {"event log", 52, 8, AlertGetEventLog,
            [](WORD n, void* l, int e, LPCSTR a) { return AlertSetEventLog("", n, l, e, a); }},
    };
}

class HaldenSettings : public ::testing::Test {
protected:
    ScratchAlertHome home {::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(HaldenSettings, FreshAlertApplicationReadsAllZero)
{
    signed char flags[12];
    WORD counts[48];
    std::vector<BYTE> settings(3944, 0xCC);
    std::memset(flags, 0x55, sizeof flags);
    std::memset(counts, 0x55, sizeof counts);
    EXPECT_EQ(1, AlertReadEverySetting("", flags, counts, settings.data(), "ALERT"));
    EXPECT_EQ(std::vector<signed char>(12, 0), std::vector<signed char>(flags, flags + 12));
    EXPECT_EQ(std::vector<WORD>(48, 0), std::vector<WORD>(counts, counts + 48));
    EXPECT_EQ(std::vector<BYTE>(3944, 0), settings);
    EXPECT_EQ(1, AlertFreeCheckEverySetting("", 0));
}

TEST_F(HaldenSettings, EveryMethodRoundTripsItsRecordsExactly)
{
    for (const Method& method : Methods()) {
        SCOPED_TRACE(method.name);
        const auto records = Pattern(3 * method.recordSize, static_cast<BYTE>(method.slot + 1));
        void* list = GlobalCopy(records);
        ASSERT_EQ(1, method.set(3, list, 1, "ALERT"));
        if (method.slot != 0)  // a stored broadcast list belongs to the core, which freed it
            GlobalFree(list);

        WORD count = 0;
        void* got = nullptr;
        ASSERT_EQ(1, method.get("", &count, &got, "ALERT"));
        ASSERT_EQ(3, count);
        ASSERT_NE(nullptr, got);
        EXPECT_GE(GlobalSize(got), records.size());
        EXPECT_EQ(0, std::memcmp(records.data(), got, records.size()));
        EXPECT_EQ(nullptr, GlobalFree(got));

        signed char flags[12] = {};
        WORD counts[48] = {};
        std::vector<BYTE> settings(3944);
        ASSERT_EQ(1, AlertReadEverySetting("", flags, counts, settings.data(), "ALERT"));
        EXPECT_EQ(1, flags[method.slot]);
        EXPECT_EQ(3, counts[method.slot]);
    }
}

TEST_F(HaldenSettings, CountZeroIsStoredDisabledAndGivesNoList)
{
    void* list = GlobalCopy(Pattern(148, 1));
    ASSERT_EQ(1, AlertSetPager("", 1, list, 1, "ALERT"));
    ASSERT_EQ(1, AlertSetPager("", 0, list, 1, "ALERT"));
    GlobalFree(list);
    WORD count = 7;
    void* got = reinterpret_cast<void*>(1);
    ASSERT_EQ(1, AlertGetPager("", &count, &got, "ALERT"));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, got);
    signed char flags[12] = {};
    WORD counts[48] = {};
    std::vector<BYTE> settings(3944);
    ASSERT_EQ(1, AlertReadEverySetting("", flags, counts, settings.data(), "ALERT"));
    EXPECT_EQ(0, flags[1]);
}

TEST_F(HaldenSettings, EnabledFlagFollowsTheSet)
{
    void* list = GlobalCopy(Pattern(68, 2));
    ASSERT_EQ(1, AlertSetSnmp("", 1, list, 0, "ALERT"));
    signed char flags[12] = {};
    WORD counts[48] = {};
    std::vector<BYTE> settings(3944);
    AlertReadEverySetting("", flags, counts, settings.data(), "ALERT");
    EXPECT_EQ(0, flags[6]);
    EXPECT_EQ(1, counts[6]);
    ASSERT_EQ(1, AlertSetSnmp("", 1, list, 1, "ALERT"));
    AlertReadEverySetting("", flags, counts, settings.data(), "ALERT");
    EXPECT_EQ(1, flags[6]);
    GlobalFree(list);
}

TEST_F(HaldenSettings, SettingsBlockOfEMailAndTicketSetsIsKeptWhole)
{
    const auto block = Pattern(3944, 9);
    void* list = GlobalCopy(Pattern(56, 3));
    ASSERT_EQ(1, AlertSetEMail("", 1, list, block.data(), 1, "ALERT"));
    std::vector<BYTE> settings(3944);
    signed char flags[12] = {};
    WORD counts[48] = {};
    ASSERT_EQ(1, AlertReadEverySetting("", flags, counts, settings.data(), "ALERT"));
    EXPECT_EQ(block, settings);

    const auto second = Pattern(3944, 77);
    ASSERT_EQ(1, AlertSetTTixPRINTQ_HEADER("", 0, nullptr, second.data(), 0, "ALERT"));
    ASSERT_EQ(1, AlertReadEverySetting("", flags, counts, settings.data(), "ALERT"));
    EXPECT_EQ(second, settings);
    EXPECT_EQ(1, counts[3]);  // the e-mail list is untouched by the ticket set
    EXPECT_EQ(0, AlertSetEMail("", 1, list, nullptr, 1, "ALERT"));
    GlobalFree(list);
}

TEST_F(HaldenSettings, ApplicationsAreSeparateAndDefaultMeansAlert)
{
    ASSERT_EQ(1, AlertRegisterApplication("", "VEXOMAR"));
    void* list = GlobalCopy(Pattern(52, 4));
    ASSERT_EQ(1, AlertSetEventLog("", 1, list, 1, "DEFAULT"));
    WORD count = 0;
    void* got = nullptr;
    ASSERT_EQ(1, AlertGetEventLog("", &count, &got, "VEXOMAR"));
    EXPECT_EQ(0, count);
    ASSERT_EQ(1, AlertGetEventLog("", &count, &got, "alert"));
    EXPECT_EQ(1, count);
    GlobalFree(got);
    GlobalFree(list);
}

TEST_F(HaldenSettings, UnknownOrUnsafeApplicationFails)
{
    WORD count = 5;
    void* got = nullptr;
    EXPECT_EQ(0, AlertGetPager("", &count, &got, "NOSUCH"));
    EXPECT_EQ(0, count);
    void* list = GlobalCopy(Pattern(148, 1));
    EXPECT_EQ(0, AlertSetPager("", 1, list, 1, "NOSUCH"));
    EXPECT_EQ(0, AlertSetPager("", 1, list, 1, "..\\..\\X"));
    EXPECT_EQ(0, AlertRegisterApplication("", "..\\X"));
    EXPECT_EQ(0, AlertRegisterApplication("", "TOOLONGNAME"));
    EXPECT_EQ(0, AlertSetPager("", 1, nullptr, 1, "ALERT"));
    GlobalFree(list);
}

TEST_F(HaldenSettings, ApplicationListStartsWithAlertAndIsCallersMemory)
{
    ASSERT_EQ(1, AlertRegisterApplication("", "vexomar"));
    ASSERT_EQ(1, AlertRegisterApplication("", "BACKUP"));
    ASSERT_EQ(1, AlertRegisterApplication("", "VEXOMAR"));
    WORD count = 0;
    void* names = nullptr;
    ASSERT_EQ(1, AlertGetApplicationALT("", &count, &names));
    ASSERT_EQ(3, count);
    ASSERT_GE(GlobalSize(names), 3u * 64);
    const char* entries = static_cast<const char*>(names);
    EXPECT_STREQ("ALERT", entries);
    EXPECT_STREQ("BACKUP", entries + 64);
    EXPECT_STREQ("VEXOMAR", entries + 128);
    EXPECT_EQ(0, entries[128 + 63]);
    EXPECT_EQ(nullptr, GlobalFree(names));
}

TEST_F(HaldenSettings, DamagedSettingsFilesGiveTheFailureResult)
{
    void* list = GlobalCopy(Pattern(148, 1));
    ASSERT_EQ(1, AlertSetPager("", 1, list, 1, "ALERT"));
    const std::string file = home.File("APPS\\ALERT.ALS");
    auto bytes = ScratchAlertHome::ReadBytes(file);
    ASSERT_EQ(4100u + 148 + 4, bytes.size());

    signed char flags[12];
    WORD counts[48];
    std::vector<BYTE> settings(3944);
    WORD count = 9;
    void* got = nullptr;
    ScratchAlertHome::WriteBytes(file, std::vector<BYTE>(bytes.begin(), bytes.begin() + 2000));
    EXPECT_EQ(0, AlertReadEverySetting("", flags, counts, settings.data(), "ALERT"));
    EXPECT_EQ(0, AlertGetPager("", &count, &got, "ALERT"));
    EXPECT_EQ(0, count);
    EXPECT_EQ(nullptr, got);

    bytes[4100 + 10] ^= 0xFF;
    ScratchAlertHome::WriteBytes(file, bytes);
    EXPECT_EQ(0, AlertGetPager("", &count, &got, "ALERT"));
    // A set on top of a damaged file is refused too, so nothing the caller did not pass
    // is made up in its place.
    EXPECT_EQ(0, AlertSetPager("", 1, list, 1, "ALERT"));
    EXPECT_EQ(bytes, ScratchAlertHome::ReadBytes(file));
    GlobalFree(list);
}

TEST_F(HaldenSettings, SetsOfTwoMethodsAtOnceKeepBothLists)
{
    constexpr int kRounds = 20;
    auto setter = [](bool pager) {
        for (int round = 1; round <= kRounds; ++round) {
            const std::size_t size = pager ? 148 : 68;
            void* list = GlobalCopy(Pattern(size * round, static_cast<BYTE>(round)));
            const int result = pager ? AlertSetPager("", static_cast<WORD>(round), list, 1, "ALERT")
                                     : AlertSetSnmp("", static_cast<WORD>(round), list, 1, "ALERT");
            EXPECT_EQ(1, result);
            GlobalFree(list);
        }
    };
    std::thread pagers(setter, true);
    std::thread managers(setter, false);
    pagers.join();
    managers.join();
    WORD count = 0;
    void* got = nullptr;
    ASSERT_EQ(1, AlertGetPager("", &count, &got, "ALERT"));
    EXPECT_EQ(kRounds, count);
    EXPECT_EQ(0, std::memcmp(Pattern(148 * kRounds, kRounds).data(), got, 148 * kRounds));
    GlobalFree(got);
    ASSERT_EQ(1, AlertGetSnmp("", &count, &got, "ALERT"));
    EXPECT_EQ(kRounds, count);
    GlobalFree(got);
    char date[256];
    ASSERT_EQ(1, AlertGetCFGDate("", "ALERT", date));
    EXPECT_NE(nullptr, std::strstr(date, " #40"));
}

TEST_F(HaldenSettings, ReadersDoNotMakeSetsFail)
{
    constexpr int kRounds = 30;
    int failedGets = 0;
    std::thread reader([&failedGets] {
        for (int round = 0; round < kRounds * 3; ++round) {
            WORD count = 0;
            void* got = nullptr;
            if (AlertGetPager("", &count, &got, "ALERT") != 1)
                ++failedGets;
            GlobalFree(got);
        }
    });
    int failedSets = 0;
    for (int round = 1; round <= kRounds; ++round) {
        void* list = GlobalCopy(Pattern(148, static_cast<BYTE>(round)));
        if (AlertSetPager("", 1, list, 1, "ALERT") != 1)
            ++failedSets;
        GlobalFree(list);
    }
    reader.join();
    EXPECT_EQ(0, failedSets);
    EXPECT_EQ(0, failedGets);
}

TEST_F(HaldenSettings, UnknownServerAnswers1722)
{
    signed char flags[12];
    WORD counts[48];
    std::vector<BYTE> settings(3944);
    WORD count = 0;
    void* got = nullptr;
    char text[512];
    void* list = GlobalCopy(Pattern(52, 1));
    EXPECT_EQ(1722, AlertReadEverySetting("NOSUCHSERVER", flags, counts, settings.data(), "ALERT"));
    EXPECT_EQ(1722, AlertGetBroadcast("NOSUCHSERVER", &count, &got, "ALERT"));
    EXPECT_EQ(1722, AlertSetBroadcast("NOSUCHSERVER", 1, list, 1, "ALERT"));
    EXPECT_EQ(1722, AlertGetApplicationALT("NOSUCHSERVER", &count, &got));
    EXPECT_EQ(1722, AlertGetCFGDate("NOSUCHSERVER", "ALERT", text));
    EXPECT_EQ(1722, AlertGetHomeDir("NOSUCHSERVER", text));
    EXPECT_EQ(1722, AlertGetHomeLog("\\\\NOSUCHSERVER", text));
    EXPECT_EQ(1722, AlertGetStatistics("NOSUCHSERVER", settings.data()));
    EXPECT_EQ(1722, AlertGetStringFromReg("NOSUCHSERVER", "User", "Company", text, 128));
    EXPECT_EQ(1722, AlertStartService("NOSUCHSERVER", 0));
    GlobalFree(list);  // a refused broadcast list stays the caller's
}

}  // namespace
