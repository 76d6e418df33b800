// STARTGAL.EXE: shows the start-up windows one after another and saves a picture of each
// (splash.bmp, about.bmp, connect.bmp, exchange.bmp in the folder given), for a look at their
// layout. Not run by the tests.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "about_dlg.h"
#include "connect_server_dlg.h"
#include "exchange_mail_dlg.h"
#include "fake_alert_core.h"
#include "program_values.h"
#include "splash_wnd.h"
#include "win_app.h"

namespace {

void SaveWindow(HWND window, const std::string& path)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP picture = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, picture);
    BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
    DWORD size = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info.bmiHeader;
    file.bfSize = file.bfOffBits + size;
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, out);
        std::fwrite(bits, 1, size, out);
        std::fclose(out);
    }
    SelectObject(memory, old);
    DeleteObject(picture);
    DeleteDC(memory);
    ReleaseDC(window, source);
}

void Settle()
{
    MSG message;
    for (int round = 0; round < 20; ++round) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        Sleep(25);
    }
}

void Capture(CDialog& dialog, const std::string& path)
{
    if (!dialog.m_hWnd)
        return;
    ShowWindow(dialog.m_hWnd, SW_SHOW);
    RedrawWindow(dialog.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Settle();
    SaveWindow(dialog.m_hWnd, path);
    dialog.DestroyWindow();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    std::string folder = __argc > 1 ? std::string(__argv[1]) + "\\" : std::string();
    CWinApp app("Alert Manager");
    FakeAlertCore core;
    std::vector<BYTE> record(1024, 0);
    std::memcpy(record.data() + 4, "EXCHANGE01", 10);
    std::memcpy(record.data() + 68, "Alert Notifications", 19);
    core.Answer("AlertGetMailCfg", FakeAnswer{1, 0, record, std::nullopt});
    Program().core = &core;

    CSplashWnd splash;
    if (splash.Show())
        Capture(splash, folder + "splash.bmp");
    CAboutDlg about;
    if (about.Create())
        Capture(about, folder + "about.bmp");
    CConnectServerDlg connect;
    connect.m_server = "ALERTSRV";
    connect.m_user = "Administrator";
    connect.m_password = "secret";
    if (connect.Create())
        Capture(connect, folder + "connect.bmp");
    CExchangeMailDlg exchange;
    if (exchange.Create())
        Capture(exchange, folder + "exchange.bmp");
    Program().core = nullptr;
    return 0;
}
