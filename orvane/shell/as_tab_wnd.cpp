// CASTabWnd: creation, tab entries, layout, hit test, selection, mouse and keyboard.
#include "as_tab_wnd.h"

namespace {

// Every tab is this much wider than its caption width and this much taller than the text.
constexpr int kTabExtraWidth = 6;
constexpr int kTabExtraHeight = 5;
// Unselected tabs stand this much lower than the selected one.
constexpr int kRaise = 2;

const std::string kNoCaption;

}  // namespace

CASTabWnd::CASTabWnd() = default;

CASTabWnd::~CASTabWnd()
{
    // The window goes first, so that no message finds the drawing resources gone.
    if (m_hWnd && IsWindow(m_hWnd))
        DestroyWindow();
    FreeColours();
    if (m_font)
        DeleteObject(m_font);
    if (m_boldFont)
        DeleteObject(m_boldFont);
}

const MessageMap& CASTabWnd::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Create(&CASTabWnd::OnCreate),
            on::Paint(&CASTabWnd::OnPaint),
            on::Message(WM_PRINTCLIENT, &CASTabWnd::OnPrintClient),
            on::Size(&CASTabWnd::OnSize),
            on::LButtonDown(&CASTabWnd::OnLButtonDown),
            on::Mouse(WM_LBUTTONDBLCLK, &CASTabWnd::OnLButtonDown),
            on::MButtonDown(&CASTabWnd::OnMButtonDown),
            on::RButtonDown(&CASTabWnd::OnRButtonDown),
            on::KeyDown(&CASTabWnd::OnKeyDown),
            on::Message(WM_GETDLGCODE, &CASTabWnd::OnGetDlgCode),
            on::SetFocus(&CASTabWnd::OnSetFocus),
            on::KillFocus(&CASTabWnd::OnKillFocus),
            on::SysColorChange(&CASTabWnd::OnSysColorChange),
        });
    return map;
}

bool CASTabWnd::Create(HWND owner, const RECT& rect, UINT id, int pageCount, DWORD extraStyle)
{
    RegisterWindowClass(kClassName, CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW),
        reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1)));
    m_owner = owner;
    m_id = id;
    SetPageCount(pageCount);
    // Pages are children: clipping them keeps the strip's painting off the page.
    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | extraStyle;
    return CreateEx(0, kClassName, "", style, rect, owner, id);
}

int CASTabWnd::OnCreate(CREATESTRUCTA&)
{
    MakeFonts();
    MakeColours();
    Layout();
    return 0;
}

void CASTabWnd::SetPageCount(int count)
{
    // The page on show would otherwise stay visible with no tab of its own.
    if (HWND shown = GetPage(m_selected))
        ::ShowWindow(shown, SW_HIDE);
    m_tabs.assign(static_cast<size_t>(count > 0 ? count : 0), Tab {});
    m_selected = -1;
    if (m_hWnd) {
        Layout();
        Invalidate();
    }
}

int CASTabWnd::SetTab(int index, int width, const std::string& caption, HWND page, bool enabled)
{
    if (index < 0 || index >= GetTabCount())
        return -1;
    if (width == -1) {
        // Measured in the system font, as the width of a caption has always been reckoned.
        HDC dc = ::GetDC(nullptr);
        HGDIOBJ old = SelectObject(dc, GetStockObject(SYSTEM_FONT));
        SIZE extent = {};
        GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        SelectObject(dc, old);
        ::ReleaseDC(nullptr, dc);
        width = extent.cx + 6;
    } else if (width < 1) {
        return -1;
    }
    Tab& tab = m_tabs[static_cast<size_t>(index)];
    tab.width = width;
    tab.caption = caption;
    tab.page = page;
    tab.enabled = enabled ? TRUE : FALSE;
    if (page && m_hWnd) {
        ::SetParent(page, m_hWnd);
        // Only the selected tab's page is ever seen.
        if (index != m_selected)
            ::ShowWindow(page, SW_HIDE);
        else
            PlacePage(page);
    }
    Layout();
    InvalidateStrip();
    return 0;
}

void CASTabWnd::SetTabMenu(int index, UINT menuId, HWND commandWindow)
{
    if (index < 0 || index >= GetTabCount())
        return;
    m_tabs[static_cast<size_t>(index)].menuId = menuId;
    m_tabs[static_cast<size_t>(index)].commandWindow = commandWindow;
}

void CASTabWnd::EnableTab(int index, bool enabled)
{
    if (index < 0 || index >= GetTabCount())
        return;
    m_tabs[static_cast<size_t>(index)].enabled = enabled ? TRUE : FALSE;
    InvalidateTab(index);
}

bool CASTabWnd::IsTabEnabled(int index) const
{
    return index >= 0 && index < GetTabCount() && m_tabs[static_cast<size_t>(index)].enabled;
}

HWND CASTabWnd::GetPage(int index) const
{
    return index >= 0 && index < GetTabCount() ? m_tabs[static_cast<size_t>(index)].page : nullptr;
}

const std::string& CASTabWnd::GetCaption(int index) const
{
    return index >= 0 && index < GetTabCount() ? m_tabs[static_cast<size_t>(index)].caption : kNoCaption;
}

int CASTabWnd::GetTabWidth(int index) const
{
    return index >= 0 && index < GetTabCount() ? m_tabs[static_cast<size_t>(index)].width : 0;
}

RECT CASTabWnd::InnerRect() const
{
    RECT inner = GetClientRect();
    InflateRect(&inner, -kMarginX, -kMarginY);
    return inner;
}

int CASTabWnd::StripBottom() const
{
    return InnerRect().top + m_textHeight + kTabExtraHeight;
}

void CASTabWnd::Layout()
{
    RECT inner = InnerRect();
    int left = inner.left + kFirstTabIndent;
    for (Tab& tab : m_tabs) {
        if (tab.width < 1) {
            // An empty slot takes no room and cannot be hit.
            tab.rect = RECT {left, inner.top, left, inner.top};
            continue;
        }
        int right = left + tab.width + kTabExtraWidth;
        tab.rect = RECT {left, inner.top, right, inner.top + m_textHeight + kTabExtraHeight};
        left = right;
    }
}

RECT CASTabWnd::GetTabRect(int index) const
{
    return index >= 0 && index < GetTabCount() ? m_tabs[static_cast<size_t>(index)].rect : RECT {};
}

RECT CASTabWnd::GetPageRect() const
{
    RECT inner = InnerRect();
    RECT page = {inner.left, StripBottom(), inner.right, inner.bottom};
    if (page.bottom < page.top)
        page.bottom = page.top;
    if (page.right < page.left)
        page.right = page.left;
    return page;
}

int CASTabWnd::HitTest(POINT point) const
{
    RECT inner = InnerRect();
    if (2 * GetTabCount() + 2 >= inner.right - inner.left || inner.bottom - inner.top <= 10)
        return -1;
    if (point.y < inner.top + kRaise || point.y > inner.top + m_textHeight + kTabExtraHeight)
        return -1;
    for (int index = 0; index < GetTabCount(); ++index) {
        const RECT& rect = m_tabs[static_cast<size_t>(index)].rect;
        if (point.x >= rect.left && point.x < rect.right)
            return index;
    }
    return -1;
}

int CASTabWnd::Select(int index)
{
    if (index == m_selected)
        return m_selected;
    if (!IsTabEnabled(index))
        return -1;
    int previous = m_selected;
    m_selected = index;
    InvalidateStrip();
    UpdateWindow();
    HWND oldPage = GetPage(previous);
    HWND newPage = GetPage(index);
    if (oldPage) {
        ::ShowWindow(oldPage, SW_HIDE);
        ::SendMessageA(oldPage, kPageHiddenMessage, reinterpret_cast<WPARAM>(newPage), 0);
    }
    if (newPage) {
        PlacePage(newPage);
        ::ShowWindow(newPage, SW_SHOW);
        ::SendMessageA(newPage, kPageShownMessage, reinterpret_cast<WPARAM>(oldPage), 0);
    }
    return previous;
}

void CASTabWnd::SelectByUser(int index)
{
    if (index == m_selected)
        return;
    Select(index);
    if (m_selected != index)
        return;
    ::SendMessageA(m_owner, kTabSelectedMessage, m_id, index);
}

int CASTabWnd::NextEnabled(int from, int step) const
{
    int count = GetTabCount();
    if (count == 0)
        return -1;
    int index = from;
    for (int tried = 0; tried < count; ++tried) {
        index = ((index + step) % count + count) % count;
        if (index != m_selected && IsTabEnabled(index))
            return index;
    }
    return -1;
}

void CASTabWnd::OnSize(UINT, int, int)
{
    Layout();
    if (HWND page = GetPage(m_selected))
        PlacePage(page);
}

void CASTabWnd::PlacePage(HWND page) const
{
    RECT area = GetPageRect();
    ::MoveWindow(page, area.left, area.top, area.right - area.left, area.bottom - area.top, TRUE);
}

void CASTabWnd::OnLButtonDown(UINT, POINT point)
{
    SetFocus();
    int hit = HitTest(point);
    if (hit >= 0 && hit != m_selected && IsTabEnabled(hit))
        SelectByUser(hit);
}

void CASTabWnd::OnMButtonDown(UINT, POINT)
{
    SetFocus();
}

void CASTabWnd::OnRButtonDown(UINT, POINT point)
{
    SetFocus();
    int hit = HitTest(point);
    if (hit < 0 || hit != m_selected || !IsTabEnabled(hit))
        return;
    const Tab& tab = m_tabs[static_cast<size_t>(hit)];
    if (!tab.menuId || !tab.commandWindow)
        return;
    HMENU menu = LoadMenuA(ResourceInstance(), MAKEINTRESOURCEA(tab.menuId));
    if (!menu)
        return;
    if (HMENU popup = GetSubMenu(menu, 0)) {
        POINT screen = point;
        ClientToScreen(m_hWnd, &screen);
        TrackContextMenu(popup, screen, tab.commandWindow);
    }
    DestroyMenu(menu);
}

void CASTabWnd::TrackContextMenu(HMENU popup, POINT screenPoint, HWND commandWindow)
{
    TrackPopupMenu(popup, TPM_LEFTALIGN | TPM_RIGHTBUTTON, screenPoint.x, screenPoint.y, 0, commandWindow, nullptr);
}

LRESULT CASTabWnd::OnGetDlgCode(WPARAM, LPARAM)
{
    // The arrows move between tabs and Tab enters the page, even inside a dialog.
    return DLGC_WANTARROWS | DLGC_WANTTAB;
}

void CASTabWnd::OnKeyDown(UINT key, UINT, UINT)
{
    switch (key) {
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN: {
        int step = key == VK_LEFT || key == VK_UP ? -1 : 1;
        // With nothing selected the search starts just outside the row.
        int from = m_selected >= 0 ? m_selected : (step > 0 ? -1 : GetTabCount());
        int next = NextEnabled(from, step);
        if (next >= 0)
            SelectByUser(next);
        break;
    }
    case VK_TAB:
        if (HWND page = GetPage(m_selected)) {
            HWND first = GetNextDlgTabItem(page, nullptr, FALSE);
            ::SetFocus(first && IsChild(page, first) ? first : page);
        }
        break;
    default: Default(); break;
    }
}

void CASTabWnd::OnSetFocus(HWND)
{
    m_hasFocus = true;
    InvalidateTab(m_selected);
}

void CASTabWnd::OnKillFocus(HWND)
{
    m_hasFocus = false;
    InvalidateTab(m_selected);
}

void CASTabWnd::InvalidateTab(int index)
{
    if (!m_hWnd || index < 0 || index >= GetTabCount())
        return;
    RECT rect = m_tabs[static_cast<size_t>(index)].rect;
    InvalidateRect(m_hWnd, &rect, TRUE);
}

void CASTabWnd::InvalidateStrip()
{
    if (!m_hWnd)
        return;
    RECT strip = GetClientRect();
    strip.bottom = StripBottom();
    InvalidateRect(m_hWnd, &strip, TRUE);
}
