// The Alert Summary page's Start, Pause and Stop against the recording core and service control.
#include "status_page_fixture.h"
#include "test_program.h"

namespace {

std::vector<std::string> ServiceCalls(const FakeAlertCore& core)
{
    std::vector<std::string> calls;
    for (const FakeCoreCall& call : core.calls) {
        if (call.function.find("Service") != std::string::npos)
            calls.push_back(call.function + " " + call.texts.at(0) + " " + std::to_string(call.numbers.at(0)));
    }
    return calls;
}

std::string Local(const char* function)
{
    return std::string(function) + " " + LocalComputerName() + " 0";
}

}  // namespace

TEST_F(StatusPageTest, StartOfAStoppedServiceStartsItThenReloadsAsRunning)
{
    control.remoteStatus = SERVICE_STOPPED;
    Command(ID_SERVICE_START);
    // This computer too is asked by its name; afterwards the page reads the new status once.
    EXPECT_EQ((std::vector<std::string> {std::string("remote ") + LocalComputerName(), "local"}), control.calls);
    EXPECT_EQ(std::vector<std::string> {Local("AlertStartService")}, ServiceCalls(core));
    EXPECT_EQ(std::vector<DWORD> {500}, waits);
    EXPECT_EQ(std::vector<int> {0}, frame.reloads);
}

TEST_F(StatusPageTest, StartOfAPausedServiceContinuesIt)
{
    control.remoteStatus = SERVICE_PAUSED;
    Command(ID_SERVICE_START);
    EXPECT_EQ(std::vector<std::string> {Local("AlertContinueService")}, ServiceCalls(core));
    EXPECT_EQ(std::vector<int> {0}, frame.reloads);
}

TEST_F(StatusPageTest, StartOfARunningServiceCallsNothingButStillReloads)
{
    control.remoteStatus = SERVICE_RUNNING;
    Command(ID_SERVICE_START);
    EXPECT_TRUE(ServiceCalls(core).empty());
    EXPECT_EQ(std::vector<DWORD> {500}, waits);
    EXPECT_EQ(std::vector<int> {0}, frame.reloads);
}

TEST_F(StatusPageTest, AFailedStartOrContinueEndsTheCommandQuietly)
{
    control.remoteStatus = SERVICE_STOPPED;
    core.Fail("AlertStartService", ERROR_SERVICE_DISABLED);
    Command(ID_SERVICE_START);
    control.remoteStatus = SERVICE_PAUSED;
    core.Fail("AlertContinueService", 1);
    Command(ID_SERVICE_START);
    EXPECT_EQ(
        (std::vector<std::string> {Local("AlertStartService"), Local("AlertContinueService")}), ServiceCalls(core));
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(frame.reloads.empty());
}

TEST_F(StatusPageTest, StartDoesNothingWhenTheStatusCannotBeRead)
{
    control.remoteStatus.reset();
    Command(ID_SERVICE_START);
    EXPECT_TRUE(ServiceCalls(core).empty());
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(frame.reloads.empty());
}

TEST_F(StatusPageTest, StopMarksTheServiceStoppingAndReloadsAsStopped)
{
    Command(ID_SERVICE_STOP);
    EXPECT_EQ(std::vector<std::string> {Local("AlertStopService")}, ServiceCalls(core));
    EXPECT_EQ(kServiceStopping, TestProgram().serviceState);
    EXPECT_EQ(std::vector<DWORD> {500}, waits);
    EXPECT_EQ(std::vector<int> {1}, frame.reloads);
}

TEST_F(StatusPageTest, AFailedStopStillReloadsAsStoppedButLeavesTheStateUntilTheNextTick)
{
    TestProgram().serviceState = kServiceRunning;
    core.Fail("AlertStopService", ERROR_SERVICE_CANNOT_ACCEPT_CTRL);
    Command(ID_SERVICE_STOP);
    EXPECT_EQ(kServiceRunning, TestProgram().serviceState);
    EXPECT_EQ(std::vector<DWORD> {500}, waits);
    EXPECT_EQ(std::vector<int> {1}, frame.reloads);
    control.localStatus = SERVICE_PAUSED;
    Tick();
    EXPECT_EQ(kServicePaused, TestProgram().serviceState);
}

TEST_F(StatusPageTest, StopWithoutAFrameOnlyWaits)
{
    TestProgram().frame = nullptr;
    Command(ID_SERVICE_STOP);
    EXPECT_EQ(kServiceStopping, TestProgram().serviceState);
    EXPECT_EQ(std::vector<DWORD> {500}, waits);
    EXPECT_TRUE(frame.reloads.empty());
}

TEST_F(StatusPageTest, PauseFromTheToolbarOrTheMenuPausesWithoutReloading)
{
    core.Fail("AlertPauseService", ERROR_SERVICE_NOT_ACTIVE);
    Command(ID_SERVICE_PAUSE);
    Command(ID_SERVICE_PAUSE_MENU);
    EXPECT_EQ((std::vector<std::string> {Local("AlertPauseService"), Local("AlertPauseService")}), ServiceCalls(core));
    EXPECT_TRUE(waits.empty());
    EXPECT_TRUE(frame.reloads.empty());
    EXPECT_EQ(kServiceRunning, TestProgram().serviceState);
}

TEST_F(StatusPageTest, AnotherServersServiceIsCommandedUnderItsOwnName)
{
    UseServer("FARSERVER");
    control.remoteStatus = SERVICE_STOPPED;
    Command(ID_SERVICE_START);
    Command(ID_SERVICE_PAUSE);
    Command(ID_SERVICE_STOP);
    EXPECT_EQ((std::vector<std::string> {
                  "AlertStartService FARSERVER 0", "AlertPauseService FARSERVER 0", "AlertStopService FARSERVER 0"}),
        ServiceCalls(core));
    // Start asks before it acts; each command then reads the status once for the buttons.
    EXPECT_EQ(std::vector<std::string>(4, "remote FARSERVER"), control.calls);
    EXPECT_EQ((std::vector<int> {0, 1}), frame.reloads);
}
