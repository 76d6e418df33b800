// Home directories, statistics, the mail-transport record, registry strings and site servers.
#include <windows.h>

#include <cstring>

#include <gtest/gtest.h>

#include "halden.h"
#include "scratch_alert_home.h"

namespace {

class HaldenHome : public ::testing::Test {
protected:
    ScratchAlertHome home {::testing::UnitTest::GetInstance()->current_test_info()->name()};
};

std::vector<BYTE> Header(int critical, int warning, int informational)
{
    std::vector<BYTE> bytes(256, 0);
    std::memcpy(bytes.data(), &critical, 4);
    std::memcpy(bytes.data() + 4, &warning, 4);
    std::memcpy(bytes.data() + 8, &informational, 4);
    return bytes;
}

TEST_F(HaldenHome, DirectoriesComeFromTheRegistryHome)
{
    char text[512];
    std::memset(text, 'x', sizeof text);
    EXPECT_EQ(1, AlertGetHomeDir("", text));
    EXPECT_EQ(home.Path(), text);
    EXPECT_EQ(1, AlertGetHomeLog("", text));
    EXPECT_EQ(home.Path() + "\\LOG", text);
    EXPECT_EQ(1, AlertGetHomeEventLog("", text));
    EXPECT_EQ(home.Path() + "\\EVENTLOG", text);

    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    EXPECT_EQ(1, AlertGetHomeDir(computer, text));
    EXPECT_EQ(home.Path(), text);
}

TEST_F(HaldenHome, TrailingBackslashIsDroppedAndMissingHomeFails)
{
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Morwick\\ALERT\\CurrentVersion\\Path", 0, KEY_WRITE, &key);
    const std::string withSlash = home.Path() + "\\";
    RegSetValueExA(key, "Home", 0, REG_SZ, reinterpret_cast<const BYTE*>(withSlash.c_str()),
        static_cast<DWORD>(withSlash.size() + 1));
    RegCloseKey(key);
    char text[512];
    EXPECT_EQ(1, AlertGetHomeDir("", text));
    EXPECT_EQ(home.Path(), text);
    home.ForgetHome();
    EXPECT_EQ(0, AlertGetHomeDir("", text));
    EXPECT_STREQ("", text);
}

TEST_F(HaldenHome, StatisticsAreTheTablesHeaderCounts)
{
    BYTE record[256];
    std::memset(record, 0xEE, sizeof record);
    EXPECT_EQ(1, AlertGetStatistics("", record));  // no table yet: all zero
    EXPECT_EQ(std::vector<BYTE>(256, 0), std::vector<BYTE>(record, record + 256));

    CreateDirectoryA(home.File("EVENTLOG").c_str(), nullptr);
    auto table = Header(5, 6, 7);
    table[12] = 0x99;  // not a count: not handed out
    table.resize(256 * 3, 0);
    ScratchAlertHome::WriteBytes(home.File("EVENTLOG\\ALRECORD.TBL"), table);
    ASSERT_EQ(1, AlertGetStatistics("", record));
    EXPECT_EQ(Header(5, 6, 7), std::vector<BYTE>(record, record + 256));

    ScratchAlertHome::WriteBytes(home.File("EVENTLOG\\ALRECORD.TBL"), std::vector<BYTE>(100, 1));
    std::memset(record, 0xEE, sizeof record);
    EXPECT_EQ(0, AlertGetStatistics("", record));
    EXPECT_EQ(std::vector<BYTE>(256, 0), std::vector<BYTE>(record, record + 256));
}

TEST_F(HaldenHome, MailRecordRoundTripsAndRefusesAWrongSizedFile)
{
    BYTE record[1024];
    std::memset(record, 0xEE, sizeof record);
    EXPECT_EQ(1, AlertGetMailCfg("", record));
    EXPECT_EQ(std::vector<BYTE>(1024, 0), std::vector<BYTE>(record, record + 1024));

    std::vector<BYTE> stored(1024);
    for (int i = 0; i < 1024; ++i)
        stored[i] = static_cast<BYTE>(i * 7 + 1);
    EXPECT_EQ(1, AlertSetMailCfg("", stored.data()));
    ASSERT_EQ(1, AlertGetMailCfg("", record));
    EXPECT_EQ(stored, std::vector<BYTE>(record, record + 1024));

    ScratchAlertHome::WriteBytes(home.File("MAILCFG.DAT"), std::vector<BYTE>(1000, 1));
    EXPECT_EQ(0, AlertGetMailCfg("", record));
}

TEST_F(HaldenHome, RegistryStringsRoundTripUnderTheUserKey)
{
    ASSERT_EQ(0, AlertSetStringToReg("", "User", "Company", "Morwick Ltd"));
    ASSERT_EQ(0, AlertSetStringToReg("", "User", "Location", ""));
    char text[128];
    ASSERT_EQ(0, AlertGetStringFromReg("", "User", "Company", text, 128));
    EXPECT_STREQ("Morwick Ltd", text);
    ASSERT_EQ(0, AlertGetStringFromReg("", "User", "Location", text, 128));
    EXPECT_STREQ("", text);

    char small[5];
    EXPECT_EQ(ERROR_MORE_DATA, AlertGetStringFromReg("", "User", "Company", small, sizeof small));
    EXPECT_STREQ("", small);
    EXPECT_NE(0, AlertGetStringFromReg("", "User", "NoSuchValue", text, 128));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, AlertGetStringFromReg("", "..\\User", "Company", text, 128));
    EXPECT_EQ(ERROR_INVALID_PARAMETER, AlertSetStringToReg("", "User", "", "x"));

    // The strings live in the registry, so they need no Alert home.
    home.ForgetHome();
    ASSERT_EQ(0, AlertGetStringFromReg("", "User", "Company", text, 128));
    EXPECT_STREQ("Morwick Ltd", text);
}

TEST_F(HaldenHome, SiteServersKeepTheirOwnData)
{
    const std::string alpha = home.File("sites\\alpha");
    home.UseSite("[WORKGROUP]\r\nALPHA=" + alpha + "\r\n");
    char text[512];
    ASSERT_EQ(1, AlertGetHomeDir("alpha", text));
    EXPECT_EQ(alpha + "\\ALERT", text);
    ASSERT_EQ(1, AlertGetHomeEventLog("ALPHA", text));
    EXPECT_EQ(alpha + "\\ALERT\\EVENTLOG", text);

    void* list = GlobalAlloc(GPTR, 148);
    static_cast<BYTE*>(list)[20] = '5';
    ASSERT_EQ(1, AlertSetPager("ALPHA", 1, list, 1, "ALERT"));
    GlobalFree(list);
    WORD count = 9;
    void* got = nullptr;
    ASSERT_EQ(1, AlertGetPager("", &count, &got, "ALERT"));
    EXPECT_EQ(0, count);
    ASSERT_EQ(1, AlertGetPager("ALPHA", &count, &got, "ALERT"));
    EXPECT_EQ(1, count);
    EXPECT_EQ('5', static_cast<BYTE*>(got)[20]);
    GlobalFree(got);

    ASSERT_EQ(0, AlertSetStringToReg("ALPHA", "User", "Company", "Alpha Works"));
    ASSERT_EQ(0, AlertGetStringFromReg("ALPHA", "User", "Company", text, 128));
    EXPECT_STREQ("Alpha Works", text);
    EXPECT_NE(0, AlertGetStringFromReg("", "User", "Company", text, 128));
    EXPECT_EQ(1722, AlertGetHomeDir("BETA", text));
}

TEST_F(HaldenHome, BrokenSiteDescriptionKnowsNoOtherServer)
{
    home.UseSite("ALPHA=C:\\nowhere\r\n");
    char text[512];
    EXPECT_EQ(1722, AlertGetHomeDir("ALPHA", text));
    EXPECT_EQ(1, AlertGetHomeDir("", text));
}

}  // namespace
