// HaldenAlertCore and the settings cache against the real HALDEN.DLL in a scratch Alert home.
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scratch_alert_home.h"
#include "alert_settings.h"
#include "halden_alert_core.h"
#include "settings_test_support.h"

namespace {

class HaldenBinding : public ::testing::Test {
protected:
    HaldenBinding()
    {
        DWORD size = sizeof server;
        GetComputerNameA(server, &size);
    }

    ScratchAlertHome home {::testing::UnitTest::GetInstance()->current_test_info()->name()};
    HaldenAlertCore core;
    char server[64] = {};
};

TEST_F(HaldenBinding, RecipientsRoundTripThroughTheSettingsCache)
{
    CAlertSettings settings(core, server, "ALERT");
    ASSERT_EQ(1, settings.ReadInitial("ALERT"));
    char before[256] = {}, after[256] = {};
    ASSERT_TRUE(AlertCore::Succeeded(core.AlertGetCFGDate(server, "ALERT", before)));

    const std::vector<BYTE> pagers = Pattern(2 * 148, 1);
    ASSERT_EQ(1, settings.SetPager(2, 1, GlobalCopy(pagers), "Night desk", "ALERT"));
    const std::vector<BYTE> domains = Pattern(52, 2);
    ASSERT_EQ(1, settings.SetBroadcast(1, 1, GlobalCopy(domains), "ALERT"));
    EXPECT_EQ(nullptr, settings.Record().arrays[kBroadcastSlot]);
    ASSERT_EQ(1, settings.SetSnmp(0, 1, nullptr, "ALERT"));
    ASSERT_TRUE(AlertCore::Succeeded(core.AlertGetCFGDate(server, "ALERT", after)));
    EXPECT_STRNE(before, after);

    int enabled = 0;
    void* array = nullptr;
    char text[49] = {};
    ASSERT_EQ(2, settings.GetPager(enabled, array, text, "ALERT"));
    EXPECT_EQ(1, enabled);
    EXPECT_STREQ("Night desk", text);
    EXPECT_EQ(pagers, BytesAt(array, 0, pagers.size()));
    GlobalFree(array);
    core.AlertFreeCheckEverySetting(server, 3);

    ASSERT_EQ(1, settings.GetBroadcast(enabled, array, "ALERT"));
    EXPECT_EQ(1, enabled);
    EXPECT_EQ(domains, BytesAt(array, 0, 52));
    GlobalFree(array);
    core.AlertFreeCheckEverySetting(server, 1);
    // The pager text travels only inside the block of an e-mail or ticket set, which has not
    // happened: the fresh read brought the core's empty text.
    EXPECT_EQ(2, settings.GetPager(enabled, array, text, "ALERT"));
    GlobalFree(array);
    EXPECT_STREQ("", text);

    // The core stored SNMP disabled for want of managers, whatever the page chose.
    enabled = 1;
    EXPECT_EQ(0, settings.GetSnmp(enabled, array, "ALERT"));
    EXPECT_EQ(0, enabled);
    EXPECT_EQ(nullptr, array);
}

TEST_F(HaldenBinding, PagerTextAndTicketHeaderTravelInTheTicketSet)
{
    CAlertSettings settings(core, server, "ALERT");
    ASSERT_EQ(1, settings.SetPager(0, 0, nullptr, "Day desk", "ALERT"));
    const std::vector<BYTE> header = Pattern(232, 4);
    const std::vector<BYTE> queue = Pattern(208, 5);
    ASSERT_EQ(1, settings.SetTTix(1, 1, GlobalCopy(queue), header.data(), "ALERT"));

    CAlertSettings fresh(core, server, "ALERT");
    int enabled = 0;
    void* array = nullptr;
    std::vector<BYTE> gotHeader(232);
    ASSERT_EQ(1, fresh.GetTTix(enabled, array, gotHeader.data(), "ALERT"));
    EXPECT_EQ(1, enabled);
    EXPECT_EQ(header, gotHeader);
    EXPECT_EQ(queue, BytesAt(array, 0, 208));
    GlobalFree(array);
    char text[49] = {};
    EXPECT_EQ(0, fresh.GetPager(enabled, array, text, "ALERT"));
    EXPECT_STREQ("Day desk", text);
}

TEST_F(HaldenBinding, MailPasswordIsStoredScrambledAndReadBackInClear)
{
    CAlertSettings settings(core, server, "ALERT");
    std::vector<BYTE> config(460, 0), message(2564, 0);
    std::strcpy(reinterpret_cast<char*>(config.data()) + 4, "alerts");
    std::strcpy(reinterpret_cast<char*>(config.data()) + 53, "s3cret-Pass");
    std::strcpy(reinterpret_cast<char*>(config.data()) + 102, "Virus found");
    std::strcpy(reinterpret_cast<char*>(message.data()) + 4, "C:\\REPORTS\\LAST.TXT");
    message[0] = 1;
    const std::vector<BYTE> recipient = Pattern(56, 3);
    ASSERT_EQ(1, settings.SetEMail(1, 1, GlobalCopy(recipient), config.data(), message.data()));

    signed char flags[12] = {};
    WORD counts[48] = {};
    std::vector<BYTE> stored(3944);
    ASSERT_EQ(1, core.AlertReadEverySetting(server, flags, counts, stored.data(), "ALERT"));
    core.AlertFreeCheckEverySetting(server, 0);
    EXPECT_EQ(1, flags[kEMailSlot]);
    EXPECT_EQ(1, counts[kEMailSlot]);
    for (int i = 0; i < 48; ++i)
        EXPECT_EQ(config[53 + i] ^ static_cast<BYTE>(settings.Record().scrambleTable[i]), stored[517 + i]) << i;
    EXPECT_EQ(message, Slice(stored, 1032, 2564));

    int enabled = 0;
    void* array = nullptr;
    std::vector<BYTE> gotConfig(460), gotMessage(2564);
    ASSERT_EQ(1, settings.GetEMail(enabled, array, gotConfig.data(), gotMessage.data()));
    EXPECT_EQ(1, enabled);
    EXPECT_EQ(config, gotConfig);
    EXPECT_EQ(message, gotMessage);
    EXPECT_EQ(recipient, BytesAt(array, 0, 56));
    GlobalFree(array);
    core.AlertFreeCheckEverySetting(server, 2);
}

TEST_F(HaldenBinding, UnknownServerAnswers1722AndTheCacheTakesItAsFailure)
{
    char elsewhere[64] = "NOSUCHHOST";
    WORD count = 9;
    void* list = nullptr;
    EXPECT_EQ(AlertCore::kServerUnreachable, core.AlertGetPager(elsewhere, &count, &list, "ALERT"));

    CAlertSettings settings(core, elsewhere, "ALERT");
    EXPECT_EQ(0, settings.ReadInitial("ALERT"));
    int enabled = 0;
    void* array = &enabled;
    char text[49] = {};
    EXPECT_EQ(0, settings.GetPager(enabled, array, text, "ALERT"));
    EXPECT_EQ(nullptr, array);
    void* pagers = GlobalCopy(Pattern(148, 1));
    EXPECT_EQ(-1, settings.SetPager(1, 1, pagers, "", "ALERT"));
    void* domains = GlobalCopy(Pattern(52, 1));
    EXPECT_EQ(-1, settings.SetBroadcast(1, 1, domains, "ALERT"));
    EXPECT_EQ(domains, settings.Record().arrays[kBroadcastSlot]);
}

TEST_F(HaldenBinding, HomeDirectoryIsTheScratchFolder)
{
    char directory[512] = {};
    const int result = core.AlertGetHomeDir(server, directory);
    EXPECT_TRUE(AlertCore::HomeSucceeded(result)) << result;
    EXPECT_EQ(0, lstrcmpiA(home.Path().c_str(), directory)) << directory;
}

}  // namespace
