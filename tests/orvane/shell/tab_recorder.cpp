// The recording window class of the tab window tests.
#include "tab_recorder.h"

#include "as_tab_wnd.h"

namespace {

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kTabSelectedMessage || message == kPageShownMessage || message == kPageHiddenMessage) {
        RecordedTabMessages().push_back({window, message, wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* RecorderClass()
{
    static const char name[] = "TabTestRecorder";
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass = {};
        windowClass.lpfnWndProc = RecorderProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
        windowClass.lpszClassName = name;
        RegisterClassA(&windowClass);
        registered = true;
    }
    return name;
}

}  // namespace

std::vector<TabMessage>& RecordedTabMessages()
{
    static std::vector<TabMessage> messages;
    return messages;
}

HWND CreateRecorder(HWND parent, const RECT& rect)
{
    DWORD style = parent ? WS_CHILD : (WS_OVERLAPPED | WS_VISIBLE | WS_CLIPCHILDREN);
    HWND window = CreateWindowExA(0, RecorderClass(), "", style, rect.left, rect.top, rect.right - rect.left,
        rect.bottom - rect.top, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!parent) {
        SetForegroundWindow(window);
        SetActiveWindow(window);
    }
    return window;
}
