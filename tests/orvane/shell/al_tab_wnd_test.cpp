// The configuration tab window's settings cache: built for ALERT, replaced on a change of application.
#include <gtest/gtest.h>

#include <cstring>

#include "al_tab_wnd.h"
#include "fake_alert_core.h"
#include "tab_recorder.h"

namespace {

char g_server[64] = "MORWICK1";

std::string ReadApplication(const FakeCoreCall& call)
{
    return call.texts.at(1);
}

}  // namespace

TEST(ConfigurationTab, StartsWithTheSettingsOfALERTReadFromTheCurrentServer)
{
    FakeAlertCore core;
    CALTabWnd tab(core, g_server);
    auto reads = core.CallsOf("AlertReadEverySetting");
    ASSERT_EQ(1u, reads.size());
    EXPECT_EQ("MORWICK1", reads[0].texts.at(0));
    EXPECT_EQ("ALERT", ReadApplication(reads[0]));
    EXPECT_EQ("ALERT", tab.Settings().ApplicationName());
}

TEST(ConfigurationTab, AChangeOfApplicationReplacesTheCacheStartingFromALERT)
{
    FakeAlertCore core;
    CALTabWnd tab(core, g_server);
    core.calls.clear();
    std::strcpy(g_server, "FARSIDE");
    EXPECT_EQ(1, tab.ChangeApplication("Vexomar"));
    EXPECT_EQ("Vexomar", tab.Settings().ApplicationName());
    auto reads = core.CallsOf("AlertReadEverySetting");
    ASSERT_EQ(1u, reads.size());
    EXPECT_EQ("FARSIDE", reads[0].texts.at(0)) << "the server name is read afresh";
    EXPECT_EQ("ALERT", ReadApplication(reads[0]));
    std::strcpy(g_server, "MORWICK1");
}

TEST(ConfigurationTab, DEFAULTStandsForALERT)
{
    FakeAlertCore core;
    CALTabWnd tab(core, g_server);
    tab.ChangeApplication("Vexomar");
    tab.ChangeApplication("DEFAULT");
    EXPECT_EQ("ALERT", tab.Settings().ApplicationName());
}

TEST(ConfigurationTab, AFailedReadIsReportedAndLeavesAnEmptyCache)
{
    FakeAlertCore core;
    CALTabWnd tab(core, g_server);
    core.Fail("AlertReadEverySetting", 1722);
    EXPECT_EQ(0, tab.ChangeApplication("Vexomar"));
    EXPECT_EQ("Vexomar", tab.Settings().ApplicationName());
}

TEST(ConfigurationTab, APageFindsTheTabWindowThroughItsParent)
{
    FakeAlertCore core;
    HWND owner = CreateRecorder(nullptr, RECT {0, 0, 300, 200});
    CALTabWnd tab(core, g_server);
    ASSERT_TRUE(tab.Create(owner, RECT {0, 0, 300, 200}, 3, 1));
    HWND page = CreateRecorder(owner, RECT {0, 0, 10, 10});
    EXPECT_EQ(nullptr, CALTabWnd::FromPage(page));
    tab.SetTab(0, 30, "Pager", page, true);
    EXPECT_EQ(&tab, CALTabWnd::FromPage(page));
    EXPECT_EQ(nullptr, CALTabWnd::FromPage(nullptr));
    tab.DestroyWindow();
    DestroyWindow(owner);
}
