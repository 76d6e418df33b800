// The Service Manager plug-in: the administrator check, the local service check, the query and its panel.
#include <gtest/gtest.h>

#include <windows.h>

#include "plugin_protocol.h"
#include "scripted_prompter.h"
#include "service_fakes.h"
#include "service_plugin.h"
#include "test_panel_host.h"

using namespace panel_protocol;

namespace {

CExtensionApp g_app("SERVICE");

const std::vector<std::string> kFullCheck = {"OpenProcessToken", "InitializeSecurityDescriptor", "InitializeAcl",
    "AllocateAndInitializeSid", "AddAccessAllowedAce", "SetSecurityDescriptorDacl", "CreatePrivateObjectSecurity",
    "ImpersonateSelf", "OpenThreadToken", "MapGenericMask", "AccessCheck", "CloseHandle(thread)", "FreeSid",
    "RevertToSelf", "DestroyPrivateObjectSecurity", "CloseHandle(process)"};

std::string Computer()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    GetComputerNameA(name, &size);
    return name;
}

class TestService : public ServicePlugin {
public:
    TestService(SecurityCalls& security, ServiceCore& core) : ServicePlugin(g_app, security, core) { }
    bool refuseClass = false;

protected:
    bool RegisterPanelClass() override { return !refuseClass && ServicePlugin::RegisterPanelClass(); }
};

class ServiceTest : public ::testing::Test {
protected:
    ~ServiceTest() override { plugin.HandleMessage(host.Window(), kTerminate, 0, 0); }
    LRESULT Send(UINT message, LPARAM lParam = 0) { return plugin.HandleMessage(host.Window(), message, 0, lParam); }

    TestPanelHost host;
    FakeSecurityCalls security;
    FakeServiceCore core;
    TestService plugin {security, core};
};

TEST(AdministratorCheck, MakesEveryCallInOrderAndAnswersTheAccessStatus)
{
    FakeSecurityCalls calls;
    EXPECT_EQ(1u, CheckAdministrator(calls));
    EXPECT_EQ(kFullCheck, calls.calls);
    EXPECT_EQ(0x001F01FFu, calls.desiredSeen);
}

TEST(AdministratorCheck, AUserOutsideTheGroupGetsZero)
{
    FakeSecurityCalls calls;
    calls.accessGranted = FALSE;
    EXPECT_EQ(0u, CheckAdministrator(calls));
    EXPECT_EQ(kFullCheck, calls.calls);
}

TEST(AdministratorCheck, NoThreadTokenGivesZeroAndStillCleansUp)
{
    FakeSecurityCalls calls;
    calls.failing = "OpenThreadToken";
    EXPECT_EQ(0u, CheckAdministrator(calls));
    EXPECT_EQ((std::vector<std::string> {"OpenProcessToken", "InitializeSecurityDescriptor", "InitializeAcl",
                  "AllocateAndInitializeSid", "AddAccessAllowedAce", "SetSecurityDescriptorDacl",
                  "CreatePrivateObjectSecurity", "ImpersonateSelf", "OpenThreadToken", "FreeSid", "RevertToSelf",
                  "DestroyPrivateObjectSecurity", "CloseHandle(process)"}),
        calls.calls);
}

TEST(AdministratorCheck, AFailedDescriptorSkipsTheRestAndFreesTheIdentifier)
{
    FakeSecurityCalls calls;
    calls.failing = "AddAccessAllowedAce";
    EXPECT_EQ(0u, CheckAdministrator(calls));
    EXPECT_EQ(
        (std::vector<std::string> {"OpenProcessToken", "InitializeSecurityDescriptor", "InitializeAcl",
            "AllocateAndInitializeSid", "AddAccessAllowedAce", "FreeSid", "RevertToSelf", "CloseHandle(process)"}),
        calls.calls);
}

TEST(AdministratorCheck, NoProcessTokenGivesZeroAtOnce)
{
    FakeSecurityCalls calls;
    calls.failing = "OpenProcessToken";
    EXPECT_EQ(0u, CheckAdministrator(calls));
    EXPECT_EQ((std::vector<std::string> {"OpenProcessToken"}), calls.calls);
}

TEST(AdministratorCheck, TheSystemAnswersOneForTheSessionsAdministrator)
{
    SystemSecurityCalls calls;
    EXPECT_EQ(1u, CheckAdministrator(calls));
}

TEST_F(ServiceTest, TheCheckDecidesTheAvailability)
{
    ScriptedPrompter prompter;
    security.accessGranted = FALSE;
    Send(kInitialise);
    EXPECT_EQ(0, Send(kQueryAvailable));
    // Not an administrator: the local service is not looked at, but the query starts.
    EXPECT_EQ(1, Send(kStart));
    EXPECT_EQ((std::vector<std::string> {"startQuery"}), core.calls);
}

TEST_F(ServiceTest, AStoppedLocalServiceIsOfferedAndStartedOnYes)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    EXPECT_EQ(1, Send(kQueryAvailable));
    core.status = 1;
    prompter.Expect(
        "The local Vexomar Service is not running.\nDo you want to start the local Vexomar Service ?\n", IDYES);
    EXPECT_EQ(1, Send(kStart));
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), prompter.LastType() & MB_TYPEMASK);
    EXPECT_EQ((std::vector<std::string> {"status(" + Computer() + ")", "start(" + Computer() + ")", "startQuery"}),
        core.calls);
}

TEST_F(ServiceTest, NoLeavesTheServiceStoppedAndAFailedStartIsTold)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    core.status = 1;
    prompter.Expect(
        "The local Vexomar Service is not running.\nDo you want to start the local Vexomar Service ?\n", IDNO);
    Send(kStart);
    EXPECT_EQ((std::vector<std::string> {"status(" + Computer() + ")", "startQuery"}), core.calls);
    core.calls.clear();
    core.startAnswer = 1056;
    prompter.Expect(
        "The local Vexomar Service is not running.\nDo you want to start the local Vexomar Service ?\n", IDYES);
    prompter.Expect("Could not Start Service.");
    Send(kStart);
    EXPECT_TRUE(prompter.Done());
}

TEST_F(ServiceTest, AServiceNotInstalledOrRunningAsksNothing)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    core.statusAnswer = 1060;
    core.status = 1;
    Send(kStart);
    core.statusAnswer = 0;
    core.status = 4;
    Send(kStart);
    EXPECT_TRUE(prompter.Shown().empty());
}

TEST_F(ServiceTest, QueryFailuresAreToldAtStartAndAtTerminate)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    core.status = 3;
    Send(kStart);
    core.stopQueryAnswer = 5;
    prompter.Expect("VexomarStopQuery Failed");
    EXPECT_EQ(0, Send(kTerminate));
    EXPECT_EQ("stopQuery", core.calls.back());
    EXPECT_TRUE(prompter.Done());
    core.startQueryAnswer = 5;
    Send(kInitialise);
    prompter.Expect("VexomarStartQuery Failed");
    Send(kStart);
    // A query that did not start is not stopped.
    core.calls.clear();
    Send(kTerminate);
    EXPECT_TRUE(core.calls.empty());
}

TEST_F(ServiceTest, ARefusedWindowClassIsToldAndThePanelIsUnusable)
{
    plugin.refuseClass = true;
    ScriptedPrompter prompter;
    prompter.Expect("SERVICE.DLL - Failed to Register 'MDIFiller_Domain'Class !");
    Send(kInitialise);
    EXPECT_TRUE(security.calls.empty());
    EXPECT_EQ(0, Send(kQueryAvailable));
}

TEST_F(ServiceTest, OpensThePanelAndForwardsTheTimer)
{
    ScriptedPrompter prompter;
    Send(kInitialise);
    EXPECT_EQ(0, Send(kTimer));
    Send(kOpen);
    ASSERT_EQ(1u, host.requests.size());
    EXPECT_EQ(111u, Word(host.requests[0], 12));
    EXPECT_EQ(11u, Word(host.requests[0], 24));
    EXPECT_EQ("Service Manager", host.titles[0]);
    HWND panel = plugin.PanelWindow();
    EXPECT_EQ("Service Manager", TextOf(panel));
    HWND frame = GetWindow(panel, GW_CHILD);
    EXPECT_EQ("MDIFiller_Service", ClassOf(frame));
    EXPECT_EQ("Service", TextOf(frame));
    EXPECT_EQ(0, Send(kTimer));
    MSG posted = {};
    EXPECT_TRUE(PeekMessageA(&posted, frame, WM_TIMER, WM_TIMER, PM_REMOVE));
    EXPECT_EQ(1u, posted.wParam);
}

}  // namespace
