// The one-copy rule: the mutex, the bring-up request between two real processes, and its answer.
#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "alert_service_suite.h"
#include "instance_guard.h"

namespace {

constexpr char kProbeMutex[] = "AlertAdminAppInstMutex.StartupTest";
constexpr char kReadyEvent[] = "OrvaneStartupTest.ProbeReady";
constexpr DWORD kProcessLimitMs = 20000;

struct Probe {
    PROCESS_INFORMATION process = {};

    bool Start(const char* mode, WORD show)
    {
        std::string command =
            "\"" + PathBesideTest("INSTPROBE.EXE") + "\" " + kProbeMutex + " " + mode + " " + kReadyEvent;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = show;
        return CreateProcessA(
                   nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process) != FALSE;
    }
    // The exit code, or -1 when the process did not end in time.
    int Finish()
    {
        if (WaitForSingleObject(process.hProcess, kProcessLimitMs) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(process.hProcess, &code);
        return static_cast<int>(code);
    }
    ~Probe()
    {
        if (process.hProcess) {
            if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT)
                TerminateProcess(process.hProcess, 99);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }
};

struct FoundWindow {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindProbeWindow(HWND window, LPARAM context)
{
    auto* found = reinterpret_cast<FoundWindow*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (owner == found->processId && std::string(className) == "InstanceProbeFrame") {
        found->window = window;
        return FALSE;
    }
    return TRUE;
}

// The probe's window. It exists once the probe set the ready event, but a freshly started
// prefix may list it a moment later.
HWND ProbeWindow(DWORD processId)
{
    FoundWindow found = {processId, nullptr};
    for (int attempt = 0; attempt < 200 && !found.window; ++attempt) {
        EnumWindows(FindProbeWindow, reinterpret_cast<LPARAM>(&found));
        if (!found.window)
            Sleep(50);
    }
    return found.window;
}

class TwoCopies : public ::testing::Test {
protected:
    void SetUp() override
    {
        ready = CreateEventA(nullptr, TRUE, FALSE, kReadyEvent);
        ASSERT_NE(nullptr, ready);
    }
    void TearDown() override
    {
        if (first.process.hProcess && window)
            PostMessageA(window, WM_CLOSE, 0, 0);
        CloseHandle(ready);
    }
    // Starts the first copy minimised and finds its window.
    void StartFirst(const char* mode)
    {
        ASSERT_TRUE(first.Start(mode, SW_SHOWMINNOACTIVE));
        ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ready, kProcessLimitMs));
        window = ProbeWindow(first.process.dwProcessId);
        ASSERT_NE(nullptr, window);
        ASSERT_TRUE(IsIconic(window));
    }

    HANDLE ready = nullptr;
    Probe first;
    HWND window = nullptr;
};

int Code(InstanceResult result)
{
    return 10 + static_cast<int>(result);
}

// Holds a guard's mutex on a thread of its own, as another copy would.
class MutexHolder {
public:
    explicit MutexHolder(const char* name, bool exitWithoutRelease = false)
    {
        m_release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        HANDLE held = CreateEventA(nullptr, TRUE, FALSE, nullptr);
        m_thread = std::thread([this, name, held, exitWithoutRelease] {
            m_mutex = CreateMutexA(nullptr, TRUE, name);
            SetEvent(held);
            if (!exitWithoutRelease)
                WaitForSingleObject(m_release, INFINITE);
        });
        WaitForSingleObject(held, INFINITE);
        CloseHandle(held);
        if (exitWithoutRelease)
            m_thread.join();
    }
    ~MutexHolder()
    {
        SetEvent(m_release);
        if (m_thread.joinable())
            m_thread.join();
        CloseHandle(m_mutex);
        CloseHandle(m_release);
    }

private:
    HANDLE m_mutex = nullptr;
    HANDLE m_release = nullptr;
    std::thread m_thread;
};

}  // namespace

TEST(BringUpMessage, IsTheRegisteredBringUpAlertMessage)
{
    UINT message = BringUpMessage();
    EXPECT_GE(message, 0xC000u);
    EXPECT_EQ(RegisterWindowMessageA("Bring Up Alert"), message);
    EXPECT_EQ(message, BringUpMessage());
}

TEST(InstanceGuard, TheFirstCopyHoldsTheMutexUntilItClosesIt)
{
    InstanceGuard guard("AlertAdminAppInstMutex.StartupTest.First");
    EXPECT_EQ(InstanceResult::FirstCopy, guard.Acquire());
    EXPECT_NE(nullptr, guard.Handle());
    guard.Close();
    EXPECT_EQ(nullptr, guard.Handle());
}

TEST(InstanceGuard, AnotherHolderThatNoWindowSpeaksForIsASilentCopyAndTheMutexIsLetGo)
{
    const char* name = "AlertAdminAppInstMutex.StartupTest.Held";
    MutexHolder other(name);
    InstanceGuard guard(name);
    EXPECT_EQ(InstanceResult::OtherCopySilent, guard.Acquire());
    EXPECT_EQ(nullptr, guard.Handle());
}

TEST(InstanceGuard, AMutexLeftByACopyThatEndedWithoutReleasingItIsTaken)
{
    const char* name = "AlertAdminAppInstMutex.StartupTest.Abandoned";
    MutexHolder ended(name, true);
    InstanceGuard guard(name);
    EXPECT_EQ(InstanceResult::FirstCopy, guard.Acquire());
}

TEST(InstanceGuard, AnInvalidMutexNameMeansTheMutexWasNotCreated)
{
    // A backslash names a kernel object namespace that does not exist.
    InstanceGuard guard("NoSuchNamespace\\AlertAdminAppInstMutex");
    EXPECT_EQ(InstanceResult::MutexNotCreated, guard.Acquire());
}

TEST(AnswerBringUp, RestoresAMinimisedFrameAndAnswers74354)
{
    HWND frame =
        CreateWindowA("STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ShowWindow(frame, SW_SHOWMINNOACTIVE);
    ASSERT_TRUE(IsIconic(frame));
    EXPECT_EQ(0, AnswerBringUp(frame, kBringUpWParam, 35169));
    EXPECT_EQ(0, AnswerBringUp(frame, 34985, kBringUpLParam));
    EXPECT_TRUE(IsIconic(frame));
    EXPECT_EQ(74354, AnswerBringUp(frame, 34984, 35168));
    EXPECT_FALSE(IsIconic(frame));
    EXPECT_TRUE(IsWindowVisible(frame));
    DestroyWindow(frame);
}

TEST(AnswerBringUp, ShowsAHiddenFrame)
{
    HWND frame =
        CreateWindowA("STATIC", "frame", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_FALSE(IsWindowVisible(frame));
    EXPECT_EQ(74354, AnswerBringUp(frame, 34984, 35168));
    EXPECT_TRUE(IsWindowVisible(frame));
    EXPECT_FALSE(IsIconic(frame));
    DestroyWindow(frame);
}

TEST_F(TwoCopies, ASecondCopyRestoresTheMinimisedFirstAndEndsSilently)
{
    StartFirst("answer");
    Probe second;
    ASSERT_TRUE(second.Start("answer", SW_SHOWNORMAL));
    EXPECT_EQ(Code(InstanceResult::OtherCopyAnswered), second.Finish());
    EXPECT_FALSE(IsIconic(window));
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(WAIT_TIMEOUT, WaitForSingleObject(first.process.hProcess, 0));
}

TEST_F(TwoCopies, ASecondCopyThatNoWindowAnswersIsToldTheOtherIsSilent)
{
    StartFirst("mute");
    Probe second;
    ASSERT_TRUE(second.Start("mute", SW_SHOWNORMAL));
    EXPECT_EQ(Code(InstanceResult::OtherCopySilent), second.Finish());
    EXPECT_TRUE(IsIconic(window));
}

TEST_F(TwoCopies, AfterTheFirstCopyEndsTheNextIsTheFirstAgain)
{
    StartFirst("answer");
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, first.Finish());
    window = nullptr;
    ResetEvent(ready);
    Probe next;
    ASSERT_TRUE(next.Start("answer", SW_SHOWNORMAL));
    ASSERT_EQ(WAIT_OBJECT_0, WaitForSingleObject(ready, kProcessLimitMs));
    HWND nextWindow = ProbeWindow(next.process.dwProcessId);
    ASSERT_NE(nullptr, nextWindow);
    PostMessageA(nextWindow, WM_CLOSE, 0, 0);
    EXPECT_EQ(0, next.Finish());
}
