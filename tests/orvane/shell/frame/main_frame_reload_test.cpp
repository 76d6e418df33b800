// The application selector, the change of application and the reload of every page.
#include <gtest/gtest.h>

#include <cstring>

#include "al_tab_wnd.h"
#include "frame_fixture.h"
#include "pager_page.h"
#include "snmp_page.h"
#include "resource.h"
#include "test_program.h"

TEST_F(FrameTest, AnEmptyOrFailedApplicationListLeavesTheSelectorEmpty)
{
    core.AnswerAlways("AlertGetApplicationALT", ApplicationList({}));
    CreateFrame();
    frame->ShowConfiguration();
    EXPECT_TRUE(SelectorEntries().empty());
    core.Fail("AlertGetApplicationALT", 1722);
    frame->RefillSelector();
    EXPECT_TRUE(SelectorEntries().empty());
}

TEST_F(FrameTest, TheSelectorListsDEFAULTThenTheCoresNamesAndKeepsTheRememberedChoice)
{
    core.AnswerAlways("AlertGetApplicationALT", ApplicationList({"VEXOMAR", "BACKUP"}));
    CreateFrame();
    frame->ShowConfiguration();
    EXPECT_EQ((std::vector<std::string> {"DEFAULT", "VEXOMAR", "BACKUP"}), SelectorEntries());
    EXPECT_EQ("DEFAULT", SelectedEntry());
    EXPECT_STREQ("DEFAULT", TestProgram().applicationName) << "the calls never go out with an empty name";

    frame->ChangeApplication("BACKUP");
    frame->RefillSelector();
    EXPECT_EQ("BACKUP", SelectedEntry());

    core.AnswerAlways("AlertGetApplicationALT", ApplicationList({"VEXOMAR"}));
    frame->RefillSelector();
    EXPECT_EQ("DEFAULT", SelectedEntry()) << "a remembered name the core no longer lists gives way to the first";
}

TEST_F(FrameTest, WhenTheRememberedApplicationIsGoneTheCacheAndPagesFollowTheSelector)
{
    core.AnswerAlways("AlertGetApplicationALT", ApplicationList({"VEXOMAR", "BACKUP"}));
    CreateFrame();
    frame->ShowConfiguration();
    frame->ChangeApplication("BACKUP");
    // The summary and the e-mail page each read the e-mail list when they load.
    const std::size_t readsBefore = core.CallsOf("AlertGetEMail").size();
    // Another server lists only VEXOMAR.
    core.AnswerAlways("AlertGetApplicationALT", ApplicationList({"VEXOMAR"}));
    frame->RefillSelector();
    EXPECT_EQ("DEFAULT", SelectedEntry());
    EXPECT_EQ("ALERT", frame->ConfigTab().Settings().ApplicationName());
    EXPECT_STREQ("DEFAULT", TestProgram().applicationName);
    EXPECT_EQ(readsBefore + 2, core.CallsOf("AlertGetEMail").size())
        << "the pages load the application the selector shows";
}

TEST_F(FrameTest, AReloadLoadsEveryConfigurationPageWithZero)
{
    CreateFrame();
    // A reload with zero makes each of the seven configuration pages ask for the date once.
    const std::size_t datesBefore = core.CallsOf("AlertGetCFGDate").size();
    frame->ReloadAllPages(0);
    EXPECT_EQ(datesBefore + 7, core.CallsOf("AlertGetCFGDate").size());
}

TEST_F(FrameTest, NamesTooLongForTheCurrentApplicationAreNotOffered)
{
    // 23 characters fit the 24-byte current name; 24, or a name filling its whole 64-byte slot,
    // would have to be cut into another application's name.
    const std::string fits(23, 'F');
    core.AnswerAlways(
        "AlertGetApplicationALT", ApplicationList({std::string(64, 'A'), fits, std::string(24, 'B'), "NEXT"}));
    CreateFrame();
    frame->ShowConfiguration();
    EXPECT_EQ((std::vector<std::string> {"DEFAULT", fits, "NEXT"}), SelectorEntries());
    frame->ChangeApplication(std::string(24, 'B'));
    EXPECT_STREQ("DEFAULT", TestProgram().applicationName) << "a name that does not fit is refused whole";
    frame->ChangeApplication(fits);
    EXPECT_EQ(fits, TestProgram().applicationName);
}

TEST_F(FrameTest, ChoosingDEFAULTInTheSelectorLoadsTheSettingsOfALERT)
{
    core.AnswerAlways("AlertGetApplicationALT", ApplicationList({"VEXOMAR"}));
    CreateFrame();
    frame->ShowConfiguration();
    frame->ChangeApplication("VEXOMAR");
    EXPECT_EQ("VEXOMAR", frame->ConfigTab().Settings().ApplicationName());
    EXPECT_STREQ("VEXOMAR", TestProgram().applicationName);

    SendMessageA(frame->Selector(), CB_SETCURSEL, 0, 0);
    frame->SendMessage(
        WM_COMMAND, MAKEWPARAM(IDC_APPLICATION_SELECTOR, CBN_SELCHANGE), reinterpret_cast<LPARAM>(frame->Selector()));
    EXPECT_EQ("ALERT", frame->ConfigTab().Settings().ApplicationName());
    EXPECT_STREQ("DEFAULT", TestProgram().applicationName);
}

TEST_F(FrameTest, AReloadReadsEachMethodInOrderHandsItOverAndReleasesItWithItsKind)
{
    CreateFrame();
    std::strcpy(TestProgram().applicationName, "VEXOMAR");
    FakeAnswer pagers;
    pagers.count = 2;
    pagers.data.assign(2 * 148, 0x11);
    core.Answer("AlertGetPager", pagers);
    core.calls.clear();
    frame->ReloadAllPages(0);

    std::vector<std::string> methodCalls;
    for (const FakeCoreCall& call : core.calls)
        if (call.function.rfind("AlertGet", 0) == 0 || call.function == "AlertFreeCheckEverySetting")
            methodCalls.push_back(call.function);
    const std::vector<std::string> expected = {"AlertGetApplicationALT", "AlertGetBroadcast",
        "AlertFreeCheckEverySetting", "AlertGetPager", "AlertFreeCheckEverySetting", "AlertGetSnmp",
        "AlertFreeCheckEverySetting", "AlertGetTTixPRINTQ_HEADER", "AlertFreeCheckEverySetting", "AlertGetEMail",
        "AlertFreeCheckEverySetting", "AlertGetEventLog", "AlertFreeCheckEverySetting"};
    std::vector<std::string> withoutLogPaths;
    for (const std::string& name : methodCalls)
        if (name != "AlertGetHomeEventLog" && name != "AlertGetHomeLog" && name != "AlertGetStatistics" &&
            name != "AlertGetCFGDate")
            withoutLogPaths.push_back(name);
    EXPECT_EQ(expected, withoutLogPaths);

    std::vector<int> kinds;
    for (const FakeCoreCall& call : core.CallsOf("AlertFreeCheckEverySetting"))
        kinds.push_back(call.numbers.at(0));
    EXPECT_EQ((std::vector<int> {1, 3, 7, 8, 2, 9}), kinds);
    for (const FakeCoreCall& call : core.CallsOf("AlertGetSnmp")) {
        EXPECT_EQ("VEXOMAR", call.texts.at(1));
        EXPECT_EQ(TestProgram().serverName, call.texts.at(0));
    }
    EXPECT_NE(nullptr, dynamic_cast<CPager*>(frame->ConfigPage(CMainFrame::kPagerPage)));
    EXPECT_NE(nullptr, dynamic_cast<CSnmp*>(frame->ConfigPage(CMainFrame::kSnmpPage)));
}
