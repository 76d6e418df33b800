// The Alert Manager's entry point: a top-level window titled from the string table.
#include <windows.h>

#include "resource.h"

namespace {

const char kFrameClass[] = "OrvaneFrame";

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    char title[128] = {};
    LoadStringA(instance, IDS_APP_TITLE, title, sizeof title);

    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    frameClass.hIcon = LoadIcon(nullptr, IDI_APPLICATION);
    frameClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    frameClass.lpszClassName = kFrameClass;
    if (!RegisterClassA(&frameClass))
        return 1;

    HWND frame = CreateWindowA(kFrameClass, title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 640,
                               480, nullptr, nullptr, instance, nullptr);
    if (!frame)
        return 1;
    ShowWindow(frame, show);
    UpdateWindow(frame);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}
