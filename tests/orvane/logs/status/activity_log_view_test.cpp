// The activity log view against a scratch ALERT.LOG and the recording alert core.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "activity_log_paths.h"
#include "activity_log_view.h"
#include "as_tab_wnd.h"
#include "fake_alert_core.h"
#include "status_ids.h"
#include "status_test_support.h"
#include "ui_actions.h"
#include "test_program.h"

namespace {

constexpr const char* kStartServiceText = "Please start the Alert Service to review the Event Log or Activity Log";
constexpr const char* kFirstLines = "12/01/2026 10:00:00 Critical alert of VEXOMAR: Virus found (AL000001.EVT)\r\n"
                                    "12/01/2026 10:00:00 VEXOMAR alert delivered by pager to Ann at 555-0100\r\n";

class ActivityLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UseLocalServer();
        TestProgram().core = &core;
        TestProgram().serviceState = kServiceRunning;
        TestProgram().frame = nullptr;
        CActivityLogPaths::Forget();
        core.AnswerAlways("AlertGetHomeLog", DataAnswer(1, CoreText(folder.Path())));
        ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 500, 400}, nullptr, 0));
        ASSERT_TRUE(view.Create(&owner, RECT {0, 0, 480, 360}, 2));
    }
    void TearDown() override
    {
        view.DestroyWindow();
        owner.DestroyWindow();
        CActivityLogPaths::Forget();
    }

    void Tick() { view.SendMessage(WM_TIMER, CActivityLogView::kCheckTimer); }
    std::string Log() const { return folder.File("ALERT.LOG"); }

    ProgramValuesScope scope;
    ScratchFolder folder {TestName()};
    FakeAlertCore core;
    CWnd owner;
    CActivityLogView view {TestProgram()};
};

}  // namespace

TEST_F(ActivityLogTest, TheViewIsAReadOnlyScrolledEditInTheFixedPitchFont)
{
    const LONG style = GetWindowLongA(view.m_hWnd, GWL_STYLE);
    for (LONG bit : {WS_CHILD, WS_VISIBLE, WS_BORDER, WS_HSCROLL, WS_VSCROLL, ES_MULTILINE, ES_READONLY, ES_AUTOHSCROLL,
             ES_AUTOVSCROLL})
        EXPECT_EQ(bit, style & bit) << std::hex << bit;
    EXPECT_EQ(GetStockObject(ANSI_FIXED_FONT), view.GetFont());
    EXPECT_EQ(2, GetDlgCtrlID(view.m_hWnd));
}

TEST_F(ActivityLogTest, InATabItIsAChildOfTheTabWithTheTabIndexAsId)
{
    CASTabWnd tab;
    ASSERT_TRUE(tab.Create(owner.m_hWnd, RECT {0, 0, 480, 360}, 100, 3));
    CActivityLogView page {TestProgram()};
    ASSERT_TRUE(page.CreateInTab(tab, 2));
    EXPECT_EQ(tab.m_hWnd, GetParent(page.m_hWnd));
    EXPECT_EQ(2, GetDlgCtrlID(page.m_hWnd));
    RECT expected = tab.GetPageRect();
    RECT actual = page.GetWindowRect();
    MapWindowPoints(nullptr, tab.m_hWnd, reinterpret_cast<POINT*>(&actual), 2);
    EXPECT_EQ(expected.left, actual.left);
    EXPECT_EQ(expected.bottom, actual.bottom);
    page.DestroyWindow();
    tab.DestroyWindow();
}

TEST_F(ActivityLogTest, TheFirstRefreshStartsTheCheckTimerAndShowsTheLog)
{
    WriteText(Log(), kFirstLines);
    view.Refresh(1);
    EXPECT_EQ(kFirstLines, view.GetText());
    // The timer is there to be killed exactly once.
    EXPECT_TRUE(KillTimer(view.m_hWnd, CActivityLogView::kCheckTimer));
    EXPECT_FALSE(KillTimer(view.m_hWnd, CActivityLogView::kCheckTimer));
    // Later refreshes start no second timer.
    view.Refresh(1);
    EXPECT_FALSE(KillTimer(view.m_hWnd, CActivityLogView::kCheckTimer));
    const auto homeCalls = core.CallsOf("AlertGetHomeLog");
    ASSERT_EQ(1u, homeCalls.size());
    EXPECT_EQ(std::string(LocalComputerName()), homeCalls[0].texts[0]);
}

TEST_F(ActivityLogTest, AStoppedOrStoppingServiceShowsThePleaToStartIt)
{
    WriteText(Log(), kFirstLines);
    for (int state : {kServiceStopped, kServiceStopping}) {
        TestProgram().serviceState = state;
        view.Refresh(1);
        EXPECT_EQ(kStartServiceText, view.GetText()) << state;
        view.Refresh(0);
        EXPECT_EQ(kStartServiceText, view.GetText()) << state;
    }
    TestProgram().serviceState = kServicePaused;
    view.Refresh(0);
    EXPECT_EQ(kFirstLines, view.GetText());
}

TEST_F(ActivityLogTest, AnUnchangedLengthIsNotReadAgainEvenWhenTheContentChanged)
{
    WriteText(Log(), "first\r\n");
    view.Refresh(1);
    ASSERT_EQ("first\r\n", view.GetText());
    EXPECT_EQ(7u, view.LastLoadLength());
    WriteText(Log(), "FIRST\r\n");
    Tick();
    Tick();
    view.Refresh(1);
    EXPECT_EQ("first\r\n", view.GetText());
}

TEST_F(ActivityLogTest, GrowthIsLoadedOnTheNextTick)
{
    WriteText(Log(), "first\r\n");
    view.Refresh(1);
    AppendText(Log(), "second\r\n");
    Tick();
    EXPECT_EQ("first\r\nsecond\r\n", view.GetText());
    EXPECT_EQ(15u, view.LastLoadLength());
    EXPECT_EQ(15u, view.LastCheckLength());
}

TEST_F(ActivityLogTest, ALogLongerThanTheReadBufferIsShownWhole)
{
    std::string text;
    for (int i = 0; text.size() < 3 * CActivityLogView::kReadBufferSize + 100; ++i)
        text += "line " + std::to_string(i) + " of the service's activity\r\n";
    WriteText(Log(), text);
    view.Refresh(1);
    EXPECT_EQ(text, view.GetText());
    EXPECT_EQ(text.size(), view.LastLoadLength());
}

TEST_F(ActivityLogTest, AMissingLogShowsAnEmptyViewWithoutAnyMessage)
{
    view.SetText("left over");
    view.Refresh(1);
    EXPECT_EQ("", view.GetText());
    EXPECT_EQ(0u, view.LastLoadLength());
    Tick();
    EXPECT_EQ("", view.GetText());
    EXPECT_EQ(0u, view.LastCheckLength());
}

TEST_F(ActivityLogTest, ARefreshWithTheFlagClearedReadsTheLogAfreshAtOnce)
{
    WriteText(Log(), "first\r\n");
    view.Refresh(1);
    Tick();
    // Same length, other content: only a fresh read shows it.
    WriteText(Log(), "FIRST\r\n");
    view.Refresh(0);
    EXPECT_EQ("FIRST\r\n", view.GetText());
    EXPECT_EQ(7u, view.LastLoadLength());
}

TEST_F(ActivityLogTest, AfterTheServiceRestartsTheUnchangedLogShowsAtOnce)
{
    WriteText(Log(), "line one\r\n");
    view.Refresh(1);
    EXPECT_EQ("line one\r\n", view.GetText());
    TestProgram().serviceState = kServiceStopped;
    view.Refresh(1);
    EXPECT_EQ(kStartServiceText, view.GetText());
    // The service runs again and the log has not grown: the frame's refresh shows it, no tick needed.
    TestProgram().serviceState = kServiceRunning;
    view.Refresh(0);
    EXPECT_EQ("line one\r\n", view.GetText());
}

TEST_F(ActivityLogTest, ClearTruncatesTheLogWithoutAskingAndEmptiesTheView)
{
    WriteText(Log(), kFirstLines);
    view.Refresh(1);
    view.SendMessage(WM_COMMAND, ID_ACTIVITY_CLEAR);
    EXPECT_EQ("", view.GetText());
    EXPECT_EQ(0u, view.LastLoadLength());
    ASSERT_TRUE(FileExists(Log()));
    EXPECT_EQ("", ReadText(Log()));
    AppendText(Log(), "after\r\n");
    Tick();
    EXPECT_EQ("after\r\n", view.GetText());
}

TEST_F(ActivityLogTest, ClearingWhileStoppedEmptiesTheViewAndTheNextTickPleadsAgain)
{
    WriteText(Log(), kFirstLines);
    TestProgram().serviceState = kServiceStopped;
    view.Refresh(1);
    Tick();
    ASSERT_EQ(kStartServiceText, view.GetText());
    view.SendMessage(WM_COMMAND, ID_ACTIVITY_CLEAR);
    EXPECT_EQ("", view.GetText());
    EXPECT_EQ("", ReadText(Log()));
    Tick();
    EXPECT_EQ(kStartServiceText, view.GetText());
}

TEST_F(ActivityLogTest, ClearMakesAMissingLog)
{
    ASSERT_FALSE(FileExists(Log()));
    view.SendMessage(WM_COMMAND, ID_ACTIVITY_CLEAR);
    EXPECT_TRUE(FileExists(Log()));
    EXPECT_EQ("", ReadText(Log()));
}

TEST_F(ActivityLogTest, ShowingTheViewLoadsTheLog)
{
    WriteText(Log(), "first\r\n");
    view.ShowWindow(SW_HIDE);
    EXPECT_EQ("", view.GetText());
    view.ShowWindow(SW_SHOW);
    EXPECT_EQ("first\r\n", view.GetText());
}

TEST_F(ActivityLogTest, ViewsShareThePathsUntilTheServerChanges)
{
    WriteText(Log(), "first\r\n");
    view.Refresh(1);
    CActivityLogView second {TestProgram()};
    ASSERT_TRUE(second.Create(&owner, RECT {0, 0, 100, 100}, 3));
    second.Refresh(1);
    EXPECT_EQ("first\r\n", second.GetText());
    EXPECT_EQ(1u, core.CallsOf("AlertGetHomeLog").size());
    EXPECT_EQ(folder.Path(), CActivityLogPaths::Directory());
    EXPECT_EQ(folder.File("ALERT.LOG"), CActivityLogPaths::Path());

    UseServer("FARSERVER");
    second.Refresh(0);
    second.SendMessage(WM_TIMER, CActivityLogView::kCheckTimer);
    const auto calls = core.CallsOf("AlertGetHomeLog");
    ASSERT_EQ(2u, calls.size());
    EXPECT_EQ("FARSERVER", calls[1].texts[0]);
    second.DestroyWindow();
}

TEST_F(ActivityLogTest, AFailedHomeCallEmptiesThePathsAndIsAskedAgain)
{
    WriteText(Log(), "first\r\n");
    core.Fail("AlertGetHomeLog", AlertCore::kServerUnreachable);
    view.Refresh(1);
    EXPECT_EQ("", view.GetText());
    EXPECT_STREQ("", CActivityLogPaths::Directory());
    EXPECT_STREQ("", CActivityLogPaths::Path());
    Tick();
    EXPECT_EQ("first\r\n", view.GetText());
    EXPECT_EQ(2u, core.CallsOf("AlertGetHomeLog").size());
}

TEST_F(ActivityLogTest, ADirectoryWithoutRoomForTheFileNameIsRefused)
{
    core.Answer("AlertGetHomeLog", DataAnswer(1, CoreText("C:\\" + std::string(505, 'd'))));
    EXPECT_FALSE(CActivityLogPaths::Resolve(TestProgram()));
    EXPECT_STREQ("", CActivityLogPaths::Path());
    core.Answer("AlertGetHomeLog", DataAnswer(1, CoreText("")));
    EXPECT_FALSE(CActivityLogPaths::Resolve(TestProgram()));
    // 2 is not the home calls' success.
    core.Answer("AlertGetHomeLog", DataAnswer(2, CoreText(folder.Path())));
    EXPECT_FALSE(CActivityLogPaths::Resolve(TestProgram()));
    EXPECT_TRUE(CActivityLogPaths::Resolve(TestProgram()));
}

TEST_F(ActivityLogTest, SaveAsIsAlwaysEnabledAndHelpOpensTheLogsTopic)
{
    EXPECT_TRUE(IsCommandEnabled(view, ID_FILE_SAVE_AS));
    std::vector<UINT> topics;
    TestProgram().openHelp = [&](HWND owner, UINT topic) {
        EXPECT_EQ(view.m_hWnd, owner);
        topics.push_back(topic);
    };
    view.SendMessage(WM_COMMAND, ID_PAGE_HELP);
    EXPECT_EQ(std::vector<UINT> {3030u}, topics);
}

TEST(ActivityLogActivation, AClickOnTheViewLeavesTheFrameWithoutAnActiveView)
{
    ProgramValuesScope scope;
    FakeAlertCore core;
    TestProgram().core = &core;
    CFrameWnd frame;
    ASSERT_TRUE(frame.Create(nullptr, "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT {0, 0, 500, 400}));
    CActivityLogView view {TestProgram()};
    ASSERT_TRUE(view.Create(&frame, RECT {0, 0, 300, 200}, 2));
    frame.SetActiveView(&view);
    view.SendMessage(WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(frame.m_hWnd), MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
    EXPECT_EQ(nullptr, frame.GetActiveView());
    view.DestroyWindow();
    frame.DestroyWindow();
}
