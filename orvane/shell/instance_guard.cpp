// The instance mutex, the walk of top-level windows with the bring-up request, and its answer.
#include "instance_guard.h"

#include <utility>

namespace {

// A hung window must not hang this copy's start: each window gets this long to answer.
constexpr UINT kAnswerTimeoutMs = 3000;

struct BringUpWalk {
    UINT message;
    bool answered;
};

BOOL CALLBACK AskWindow(HWND window, LPARAM context)
{
    auto* walk = reinterpret_cast<BringUpWalk*>(context);
    if (!IsWindow(window))
        return TRUE;
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(
            window, walk->message, kBringUpWParam, kBringUpLParam, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &answer) &&
        static_cast<LRESULT>(answer) == kBringUpAnswer) {
        walk->answered = true;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

UINT BringUpMessage()
{
    static const UINT message = RegisterWindowMessageA(kBringUpMessageName);
    return message;
}

InstanceGuard::InstanceGuard(std::string mutexName, UINT bringUpMessage)
    : m_mutexName(std::move(mutexName)), m_message(bringUpMessage ? bringUpMessage : BringUpMessage())
{
}

InstanceGuard::~InstanceGuard()
{
    Close();
}

void InstanceGuard::Close()
{
    if (m_mutex)
        CloseHandle(m_mutex);
    m_mutex = nullptr;
}

InstanceResult InstanceGuard::Acquire()
{
    Close();
    m_mutex = CreateMutexA(nullptr, TRUE, m_mutexName.c_str());
    if (!m_mutex)
        return InstanceResult::MutexNotCreated;
    // An abandoned mutex (a copy that ended without closing) is as good as a free one.
    DWORD waited = WaitForSingleObject(m_mutex, 0);
    if (waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED)
        return InstanceResult::FirstCopy;
    bool answered = BringUpOtherCopy();
    ReleaseMutex(m_mutex);
    Close();
    return answered ? InstanceResult::OtherCopyAnswered : InstanceResult::OtherCopySilent;
}

bool InstanceGuard::BringUpOtherCopy() const
{
    BringUpWalk walk = {m_message, false};
    EnumWindows(AskWindow, reinterpret_cast<LPARAM>(&walk));
    return walk.answered;
}

LRESULT AnswerBringUp(HWND frame, WPARAM wParam, LPARAM lParam)
{
    if (wParam != kBringUpWParam || lParam != kBringUpLParam)
        return 0;
    if (IsIconic(frame))
        SendMessageA(frame, WM_SYSCOMMAND, SC_RESTORE, 0);
    else
        ShowWindow(frame, SW_SHOW);
    SetActiveWindow(frame);
    SetForegroundWindow(frame);
    return kBringUpAnswer;
}
