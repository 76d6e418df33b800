// The bounded waits of broadcast delivery, and the system's message call left alone under Wine.
#include <windows.h>

#include <atomic>
#include <memory>
#include <stdexcept>

#include <gtest/gtest.h>

#include "bounded_call.h"
#include "system_messenger.h"

namespace {

TEST(BoundedCall, AnswersTheResultOfWorkThatEndsInTime)
{
    EXPECT_EQ(RunBounded([] { return DWORD {42}; }, 5000, nullptr), std::optional<DWORD>(42));
}

TEST(BoundedCall, GivesUpOnWorkThatTakesTooLongAndTheWorkStillEnds)
{
    auto finished = std::make_shared<std::atomic<bool>>(false);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const std::optional<DWORD> result = RunBounded(
        [finished, release] {
            WaitForSingleObject(release, 10000);
            *finished = true;
            return DWORD {0};
        },
        50, nullptr);
    EXPECT_FALSE(result);
    EXPECT_FALSE(*finished);
    // The abandoned work runs on and drops its result; nothing of the caller's is touched.
    SetEvent(release);
    for (int i = 0; i < 200 && !*finished; ++i)
        Sleep(10);
    EXPECT_TRUE(*finished);
    CloseHandle(release);
}

TEST(BoundedCall, AStopEndsTheWaitAtOnce)
{
    HANDLE stop = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    const DWORD started = GetTickCount();
    EXPECT_FALSE(RunBounded([release] { return WaitForSingleObject(release, 10000); }, 10000, stop));
    EXPECT_LT(GetTickCount() - started, 5000u);
    SetEvent(release);
    CloseHandle(stop);
    // `release` stays open: the abandoned work may still be waiting on it.
}

TEST(BoundedCall, WorkThatThrowsAnswersAGeneralFailure)
{
    EXPECT_EQ(RunBounded([]() -> DWORD { throw std::runtime_error("lost"); }, 5000, nullptr),
        std::optional<DWORD>(ERROR_GEN_FAILURE));
}

TEST(SystemMessenger, UnderWineTheMessageCallIsNeverBound)
{
    ASSERT_TRUE(system_messenger::RunningUnderWine());
    EXPECT_FALSE(system_messenger::Available());
    // Wine's own call would abort this process; ours answers that it is not offered.
    EXPECT_EQ(system_messenger::Send("ALPHA", "text"), static_cast<DWORD>(ERROR_NOT_SUPPORTED));
}

}  // namespace
