// The recording owner window and the fixture of the column list tests.
#include "col_list_fixture.h"

LRESULT COwner::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COLLIST_HEADERCLICK:
    case WM_COLLIST_RBUTTON:
    case WM_COLLIST_CHECK:
    case WM_COMMAND: received.push_back({message, wParam, lParam}); return 0;
    case WM_VKEYTOITEM: received.push_back({message, wParam, lParam}); return keyAnswer;
    default: return CWnd::WindowProc(message, wParam, lParam);
    }
}

std::vector<OwnerMessage> COwner::Of(UINT message) const
{
    std::vector<OwnerMessage> found;
    for (const OwnerMessage& m : received)
        if (m.message == message)
            found.push_back(m);
    return found;
}

void FlushQueue()
{
    MSG message;
    for (int round = 0; round < 1000 && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE); ++round) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void ColListTest::SetUp()
{
    ASSERT_TRUE(
        owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, RECT {0, 0, 600, 400}, nullptr, 0));
    owner.ShowWindow(SW_SHOW);
    FlushQueue();
}

void ColListTest::TearDown()
{
    list.reset();
    owner.DestroyWindow();
    FlushQueue();
}

void ColListTest::Make(DWORD flags)
{
    list = std::make_unique<CColList>();
    ASSERT_TRUE(list->Create(3, WS_VISIBLE, RECT {10, 10, 410, 210}, owner.m_hWnd, kId, flags));
    list->SetColumnWidth(0, 100);
    list->SetColumnWidth(1, 50);
    list->SetColumnWidth(2, 80);
    list->SetColumnTitle(0, "Name");
    list->SetColumnTitle(1, "Size");
    list->SetColumnTitle(2, "Type");
    list->SetColumnSortType(1, SortType::Numeric);
    Paint();
    owner.received.clear();
}

std::vector<std::string> ColListTest::Column(int column) const
{
    std::vector<std::string> fields;
    for (int i = 0; i < list->ItemCount(); ++i)
        fields.push_back(list->GetItemColumnText(i, column));
    return fields;
}

void ColListTest::Paint()
{
    FlushQueue();
    RedrawWindow(owner.m_hWnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    FlushQueue();
}

void ColListTest::MouseTo(HWND window, UINT message, int x, int y, WPARAM keys)
{
    SendMessageA(window, message, keys, MAKELPARAM(x, y));
}

POINT ColListTest::RowPoint(int position, int x) const
{
    RECT row = {};
    SendMessageA(list->ListBox(), LB_GETITEMRECT, static_cast<WPARAM>(position), reinterpret_cast<LPARAM>(&row));
    return POINT {x, (row.top + row.bottom) / 2};
}

namespace {
ListBoxCreationSpy* g_spy = nullptr;
}

ListBoxCreationSpy::ListBoxCreationSpy()
{
    g_spy = this;
    m_hook = SetWindowsHookExA(WH_CBT, &ListBoxCreationSpy::Hook, nullptr, GetCurrentThreadId());
}

ListBoxCreationSpy::~ListBoxCreationSpy()
{
    UnhookWindowsHookEx(m_hook);
    g_spy = nullptr;
}

LRESULT CALLBACK ListBoxCreationSpy::Hook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_spy) {
        auto* create = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        char name[32] = {};
        GetClassNameA(reinterpret_cast<HWND>(wParam), name, sizeof name);
        if (lstrcmpiA(name, "ListBox") == 0)
            g_spy->created.push_back({static_cast<DWORD>(create->style), create->dwExStyle});
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

int CountPixels(HWND window, const RECT& area, COLORREF colour)
{
    HDC dc = GetDC(window);
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += GetPixel(dc, x, y) == colour;
    ReleaseDC(window, dc);
    return count;
}
