// INSTPROBE.EXE: keeps the one-copy rule as the Alert Manager does, for the instance guard tests.
//
// INSTPROBE <mutex name> <answer|mute> <ready event name>
// The first copy shows a window (with the show command it was started with) that answers the
// bring-up request (answer) or ignores it (mute), sets the ready event and runs until closed:
// exit code 0. Any later copy ends at once with 10 + the guard's result.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "instance_guard.h"

namespace {

constexpr char kProbeClass[] = "InstanceProbeFrame";
bool g_answer = true;

LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == BringUpMessage() && g_answer)
        return AnswerBringUp(window, wParam, lParam);
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    if (__argc < 4)
        return 2;
    const std::string mutexName = __argv[1];
    g_answer = std::string(__argv[2]) == "answer";
    const char* readyName = __argv[3];

    InstanceGuard guard(mutexName);
    InstanceResult result = guard.Acquire();
    if (result != InstanceResult::FirstCopy)
        return 10 + static_cast<int>(result);

    WNDCLASSA probeClass = {};
    probeClass.lpfnWndProc = ProbeProc;
    probeClass.hInstance = instance;
    probeClass.lpszClassName = kProbeClass;
    if (!RegisterClassA(&probeClass))
        return 3;
    HWND window = CreateWindowA(
        kProbeClass, "Instance probe", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200, nullptr, nullptr, instance, nullptr);
    if (!window)
        return 4;
    ShowWindow(window, show);
    if (HANDLE ready = OpenEventA(EVENT_MODIFY_STATE, FALSE, readyName)) {
        SetEvent(ready);
        CloseHandle(ready);
    }
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
