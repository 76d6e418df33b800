// A window showing column lists as a person sees them: images, checks, a pressed header, an empty list.
#include <windows.h>

#include "col_list.h"

namespace {

HBITMAP Square(HDC screen, int width, int height, COLORREF colour, COLORREF border)
{
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH fill = CreateSolidBrush(colour);
    FillRect(dc, &all, fill);
    DeleteObject(fill);
    HBRUSH edge = CreateSolidBrush(border);
    FrameRect(dc, &all, edge);
    DeleteObject(edge);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

// A round image whose corners the mask leaves transparent: black where the image shows.
HBITMAP DiscMask(HDC screen, int size)
{
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SelectObject(dc, GetStockObject(BLACK_BRUSH));
    Ellipse(dc, 0, 0, size, size);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

HBITMAP DiscImage(HDC screen, int size, COLORREF colour)
{
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, size, size};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    HBRUSH fill = CreateSolidBrush(colour);
    SelectObject(dc, fill);
    SelectObject(dc, GetStockObject(NULL_PEN));
    Ellipse(dc, 0, 0, size + 1, size + 1);
    SelectObject(dc, old);
    DeleteObject(fill);
    DeleteDC(dc);
    return bitmap;
}

HBITMAP CheckBox(HDC screen, bool checked)
{
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 13, 13);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT box = {0, 0, 13, 13};
    DrawFrameControl(dc, &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (checked ? DFCS_CHECKED : 0));
    SelectObject(dc, old);
    DeleteDC(dc);
    return bitmap;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY)
        PostQuitMessage(0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSA frameClass = {};
    frameClass.lpfnWndProc = FrameProc;
    frameClass.hInstance = instance;
    frameClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    frameClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    frameClass.lpszClassName = "ColListGallery";
    RegisterClassA(&frameClass);
    HWND frame = CreateWindowExA(0, "ColListGallery", "Column lists", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 20, 20,
        760, 560, nullptr, nullptr, instance, nullptr);
    ShowWindow(frame, SW_SHOW);

    HDC screen = GetDC(frame);
    HBITMAP checked = CheckBox(screen, true);
    HBITMAP unchecked = CheckBox(screen, false);
    HBITMAP discMask = DiscMask(screen, 12);
    HBITMAP green = DiscImage(screen, 12, RGB(0, 170, 0));
    HBITMAP red = DiscImage(screen, 12, RGB(210, 0, 0));
    HBITMAP server = Square(screen, 12, 12, RGB(70, 110, 200), RGB(0, 0, 80));
    ReleaseDC(frame, screen);

    CColList servers;
    servers.Create(4, WS_VISIBLE, RECT {20, 20, 720, 300}, frame, 101,
        ColListFlags::kFrame | ColListFlags::kHorizontalScroll | ColListFlags::kNotify | ColListFlags::kSortOnClick |
            ColListFlags::kCheckColumn | ColListFlags::kImages);
    const char* titles[] = {"Server", "Status", "Scanned", "Version"};
    int widths[] = {190, 150, 110, 130};
    for (int i = 0; i < 4; ++i) {
        servers.SetColumnTitle(i, titles[i]);
        servers.SetColumnWidth(i, widths[i]);
    }
    servers.SetColumnSortType(2, SortType::Numeric);
    servers.SetColumnFormat(2, ColListColumn::kRight);
    servers.SetHeaderFormat(2, ColListColumn::kRight);
    servers.SetColumnFormat(3, ColListColumn::kCentre);
    servers.SetHeaderFormat(3, ColListColumn::kCentre);
    servers.SetCheckImages(checked, unchecked);
    const char* rows[] = {"HARBOUR\tRunning\t10482\t4.2.1", "QUARRY\tStopped\t9\t4.2.0", "MEADOW\tRunning\t1204\t4.2.1",
        "ANVIL\tPaused\t77\t4.1.7", "BRIDGE\tRunning\t350\t4.2.1", "CEDAR\tNot responding\t0"};
    for (const char* row : rows)
        servers.AddItem(row);
    for (int i = 0; i < servers.ItemCount(); ++i) {
        std::string status = servers.GetItemColumnText(i, 1);
        servers.SetItemImage(i, 0, server, nullptr);
        servers.SetItemImage(i, 1, status == "Running" ? green : red, discMask);
        servers.SetCheck(i, status == "Running");
        if (status == "Not responding")
            servers.SetItemColor(i, RGB(190, 0, 0));
        else if (status == "Paused")
            servers.SetItemColor(i, RGB(128, 128, 128));
    }

    CColList empty;
    empty.Create(3, WS_VISIBLE, RECT {20, 330, 720, 500}, frame, 102, ColListFlags::kFrame | ColListFlags::kNotify);
    const char* emptyTitles[] = {"IP net", "Mask", "Comment"};
    for (int i = 0; i < 3; ++i) {
        empty.SetColumnTitle(i, emptyTitles[i]);
        empty.SetColumnWidth(i, 160);
    }
    empty.SetEmptyMessage(1, "There are no IP nets in this table.", RGB(0, 0, 160), nullptr);

    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    SendMessageA(servers.ListBox(), LB_SETCURSEL, 2, 0);
    SetFocus(servers.ListBox());
    // Hold the "Status" button down, as a person pressing it would.
    SendMessageA(servers.m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20 + 190 + 60, servers.HeaderHeight() / 2));

    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    for (HBITMAP bitmap : {checked, unchecked, discMask, green, red, server})
        DeleteObject(bitmap);
    return 0;
}
