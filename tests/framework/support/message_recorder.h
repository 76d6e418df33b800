// MessageRecorder: the messages that windows of this thread receive, in the order they came.
#pragma once

#include <windows.h>

#include <set>
#include <string>
#include <vector>

struct RecordedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    UINT notifyCode;  // for WM_NOTIFY, the header's code; else 0
};

// Sees every message sent or dispatched to a window of this thread while it lives (a call
// hook, so that messages to windows made later, such as property pages, are seen too), and
// keeps those of the kinds asked for. Tests compare what it kept with an expected sequence.
class MessageRecorder {
public:
    explicit MessageRecorder(std::set<UINT> messages);
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    const std::vector<RecordedMessage>& Messages() const { return m_messages; }
    void Clear() { m_messages.clear(); }
    // Readable names: "notify -200 to <name>" for WM_NOTIFY, "command 105 to <name>" for
    // WM_COMMAND, "message 0x0010 to <name>" otherwise; `nameOf` names the windows.
    std::vector<std::string> Describe(const std::vector<std::pair<HWND, std::string>>& names) const;
    // Only the WM_NOTIFY codes among `codes`, with the window they went to.
    std::vector<std::string> NotifySequence(
        const std::set<UINT>& codes, const std::vector<std::pair<HWND, std::string>>& names) const;

private:
    static LRESULT CALLBACK SentHook(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PostedHook(int code, WPARAM wParam, LPARAM lParam);
    void Record(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    std::set<UINT> m_kinds;
    std::vector<RecordedMessage> m_messages;
    HHOOK m_sentHook = nullptr;
    HHOOK m_postedHook = nullptr;
};

// The names that property sheet notifications are compared by.
std::string PropertySheetNotifyName(UINT code);
