// RunBounded: the work, its result and its done event are shared by caller and thread, so
// whichever of them finishes last frees them.
#include "bounded_call.h"

#include <memory>

namespace {

struct BoundedWork {
    std::function<DWORD()> work;
    DWORD result = ERROR_GEN_FAILURE;
    HANDLE done = nullptr;

    ~BoundedWork()
    {
        if (done)
            CloseHandle(done);
    }
};

DWORD WINAPI RunWork(void* parameter)
{
    std::unique_ptr<std::shared_ptr<BoundedWork>> owned(static_cast<std::shared_ptr<BoundedWork>*>(parameter));
    BoundedWork& state = **owned;
    try {
        state.result = state.work();
    } catch (...) {
        state.result = ERROR_GEN_FAILURE;
    }
    SetEvent(state.done);
    return 0;
}

}  // namespace

std::optional<DWORD> RunBounded(std::function<DWORD()> work, DWORD timeoutMs, HANDLE stop)
{
    auto state = std::make_shared<BoundedWork>();
    state->work = std::move(work);
    state->done = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (!state->done)
        return std::nullopt;
    auto* forThread = new std::shared_ptr<BoundedWork>(state);
    HANDLE thread = CreateThread(nullptr, 0, RunWork, forThread, 0, nullptr);
    if (!thread) {
        delete forThread;
        return std::nullopt;
    }
    CloseHandle(thread);
    const HANDLE waits[2] = {state->done, stop};
    const DWORD woken = WaitForMultipleObjects(stop ? 2 : 1, waits, FALSE, timeoutMs);
    if (woken != WAIT_OBJECT_0)
        return std::nullopt;
    return state->result;
}
