// The Alert Summary page and the activity log against the real Alert Service: ALERTSVC.EXE
// installed in the test prefix, HALDEN.DLL as the core and the service control manager.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "activity_log_paths.h"
#include "activity_log_view.h"
#include "al_static_wnd.h"
#include "alert_record_table.h"
#include "alert_service_suite.h"
#include "fenwix.h"
#include "halden_alert_core.h"
#include "scratch_alert_home.h"
#include "service_control_scm.h"
#include "status_ids.h"
#include "status_test_support.h"
#include "test_program.h"

namespace {

constexpr const char* kMustStartText =
    "You must start the Alert Service before you may view and modify it's configuration";

// The service's state read straight from the manager, for checking the page; 0 when unread.
DWORD ManagerState()
{
    ScmServiceControl control;
    DWORD state = 0;
    return control.QueryRemote(LocalComputerName(), state) ? state : 0;
}

class RealServiceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        m_home = std::make_unique<ScratchAlertHome>("status-service");
        // A service left by an interrupted run is replaced by this build's program.
        RunBesideTest("ALERTSVC.EXE", "/uninstall");
    }
    static void TearDownTestSuite()
    {
        RunBesideTest("ALERTSVC.EXE", "/uninstall");
        m_home.reset();
    }
    void SetUp() override
    {
        UseLocalServer();
        TestProgram().core = &core;
        TestProgram().frame = &frame;
        CAlertRecordTable::ForgetPaths();
        CActivityLogPaths::Forget();
    }
    void TearDown() override
    {
        if (ManagerState() != SERVICE_STOPPED && ManagerState() != 0)
            core.AlertStopService(LocalComputerName(), 0);
        CAlertRecordTable::ForgetPaths();
        CActivityLogPaths::Forget();
    }

    static std::unique_ptr<ScratchAlertHome> m_home;
    ProgramValuesScope scope;
    HaldenAlertCore core;
    RecordingFrame frame;
};

std::unique_ptr<ScratchAlertHome> RealServiceTest::m_home;

}  // namespace

TEST_F(RealServiceTest, AServiceThatIsNotInstalledReadsAsStoppedLocallyAndUnreadableByName)
{
    ScmServiceControl control;
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), control.QueryLocal());
    EXPECT_TRUE(control.LocalManagerOpen());
    DWORD status = 12345;
    EXPECT_FALSE(control.QueryRemote(LocalComputerName(), status));
    EXPECT_EQ(12345u, status);
    EXPECT_FALSE(control.QueryRemote("", status));
    EXPECT_FALSE(control.QueryRemote(std::string(64, 'A').c_str(), status));
    control.CloseLocal();
    EXPECT_FALSE(control.LocalManagerOpen());
}

TEST_F(RealServiceTest, ThePageStartsPausesContinuesAndStopsTheRealService)
{
    ASSERT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/install"));
    ScmServiceControl control;
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 600, 450}, nullptr, 0));
    CAlStaticWnd page(TestProgramWith(control));
    ASSERT_TRUE(page.Create(&owner, RECT {0, 0, 580, 420}, 0));
    std::vector<DWORD> waits;
    page.m_wait = [&](DWORD milliseconds) { waits.push_back(milliseconds); };
    auto tick = [&] { page.SendMessage(WM_TIMER, CAlStaticWnd::kPollTimer); };

    page.Load(1);
    EXPECT_EQ(kServiceStopped, TestProgram().serviceState);
    EXPECT_TRUE(FileExists(m_home->File("EVENTLOG\\ALRECORD.TBL")));
    tick();
    EXPECT_EQ(kMustStartText, page.GetDlgItemText(IDC_SERVICE_MESSAGE));
    EXPECT_TRUE(IsCommandEnabled(page, ID_SERVICE_START));
    EXPECT_FALSE(IsCommandEnabled(page, ID_SERVICE_STOP));

    page.SendMessage(WM_COMMAND, ID_SERVICE_START);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), ManagerState());
    EXPECT_EQ(std::vector<int> {0}, frame.reloads);
    tick();
    EXPECT_EQ(kServiceRunning, TestProgram().serviceState);
    EXPECT_EQ("", page.GetDlgItemText(IDC_SERVICE_MESSAGE));
    EXPECT_TRUE(IsCommandEnabled(page, ID_SERVICE_PAUSE));

    page.SendMessage(WM_COMMAND, ID_SERVICE_PAUSE);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_PAUSED), ManagerState());
    tick();
    EXPECT_EQ(kServicePaused, TestProgram().serviceState);
    page.SendMessage(WM_COMMAND, ID_SERVICE_START);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), ManagerState());

    // An alert raised now is counted and logged.
    ASSERT_EQ(0, MakeAlert1("", 0, 1, "ALERT", "Disk space is low on the mail server", 0));
    tick();
    EXPECT_EQ("0", page.GetDlgItemText(IDC_CRITICAL_COUNT));
    EXPECT_EQ("0", page.GetDlgItemText(IDC_WARNING_COUNT));
    EXPECT_EQ("1", page.GetDlgItemText(IDC_INFORMATIONAL_COUNT));
    CActivityLogView log {TestProgram()};
    ASSERT_TRUE(log.Create(&owner, RECT {0, 0, 300, 200}, 2));
    log.Refresh(1);
    EXPECT_NE(std::string::npos, log.GetText().find("Disk space is low on the mail server")) << log.GetText();

    page.SendMessage(WM_COMMAND, ID_SERVICE_STOP);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), ManagerState());
    EXPECT_EQ(kServiceStopping, TestProgram().serviceState);
    EXPECT_EQ((std::vector<int> {0, 0, 1}), frame.reloads);
    EXPECT_EQ((std::vector<DWORD> {500, 500, 500}), waits);
    tick();
    EXPECT_EQ(kServiceStopped, TestProgram().serviceState);
    log.SendMessage(WM_TIMER, CActivityLogView::kCheckTimer);
    EXPECT_EQ("Please start the Alert Service to review the Event Log or Activity Log", log.GetText());

    log.DestroyWindow();
    page.DestroyWindow();
    EXPECT_FALSE(control.LocalManagerOpen());
    owner.DestroyWindow();
}
