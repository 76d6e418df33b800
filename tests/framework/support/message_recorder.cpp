// The message recorder: two call hooks of this thread feeding one sequence.
#include "message_recorder.h"

#include <commctrl.h>

#include <cstdio>

namespace {

thread_local MessageRecorder* t_recorder = nullptr;

std::string NameOf(HWND window, const std::vector<std::pair<HWND, std::string>>& names)
{
    for (const auto& [known, name] : names)
        if (known == window)
            return name;
    char text[32];
    std::snprintf(text, sizeof text, "%p", static_cast<void*>(window));
    return text;
}

}  // namespace

MessageRecorder::MessageRecorder(std::set<UINT> messages) : m_kinds(std::move(messages))
{
    t_recorder = this;
    m_sentHook = SetWindowsHookExA(WH_CALLWNDPROC, &MessageRecorder::SentHook, nullptr, GetCurrentThreadId());
    m_postedHook = SetWindowsHookExA(WH_GETMESSAGE, &MessageRecorder::PostedHook, nullptr, GetCurrentThreadId());
}

MessageRecorder::~MessageRecorder()
{
    if (m_sentHook)
        UnhookWindowsHookEx(m_sentHook);
    if (m_postedHook)
        UnhookWindowsHookEx(m_postedHook);
    if (t_recorder == this)
        t_recorder = nullptr;
}

LRESULT CALLBACK MessageRecorder::SentHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HC_ACTION && t_recorder) {
        const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
        t_recorder->Record(sent->hwnd, sent->message, sent->wParam, sent->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK MessageRecorder::PostedHook(int code, WPARAM wParam, LPARAM lParam)
{
    // A message taken from the queue, not one merely looked at.
    if (code == HC_ACTION && wParam == PM_REMOVE && t_recorder) {
        const auto* posted = reinterpret_cast<const MSG*>(lParam);
        t_recorder->Record(posted->hwnd, posted->message, posted->wParam, posted->lParam);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void MessageRecorder::Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_kinds.empty() && m_kinds.count(message) == 0)
        return;
    UINT notifyCode = 0;
    if (message == WM_NOTIFY && lParam)
        notifyCode = reinterpret_cast<const NMHDR*>(lParam)->code;
    m_messages.push_back(RecordedMessage {window, message, wParam, lParam, notifyCode});
}

std::vector<std::string> MessageRecorder::Describe(const std::vector<std::pair<HWND, std::string>>& names) const
{
    std::vector<std::string> described;
    for (const RecordedMessage& seen : m_messages) {
        char text[64];
        if (seen.message == WM_NOTIFY)
            std::snprintf(text, sizeof text, "notify %d", static_cast<int>(seen.notifyCode));
        else if (seen.message == WM_COMMAND)
            std::snprintf(text, sizeof text, "command %u", static_cast<unsigned>(LOWORD(seen.wParam)));
        else
            std::snprintf(text, sizeof text, "message 0x%04x", seen.message);
        described.push_back(std::string(text) + " to " + NameOf(seen.window, names));
    }
    return described;
}

std::vector<std::string> MessageRecorder::NotifySequence(
    const std::set<UINT>& codes, const std::vector<std::pair<HWND, std::string>>& names) const
{
    std::vector<std::string> sequence;
    for (const RecordedMessage& seen : m_messages)
        if (seen.message == WM_NOTIFY && codes.count(seen.notifyCode))
            sequence.push_back(PropertySheetNotifyName(seen.notifyCode) + " " + NameOf(seen.window, names));
    return sequence;
}

std::string PropertySheetNotifyName(UINT code)
{
    switch (code) {
    case PSN_SETACTIVE: return "set active";
    case PSN_KILLACTIVE: return "kill active";
    case PSN_APPLY: return "apply";
    case PSN_RESET: return "reset";
    case PSN_HELP: return "help";
    default: return "notify " + std::to_string(static_cast<int>(code));
    }
}
