// CFormView: a dialog template as a child view, with scroll bars when the view is smaller.
#include "form_view.h"

#include <algorithm>

#include "dialog_item_cmd_ui.h"
#include "document.h"
#include "framework_ids.h"
#include "module.h"

CFormView::CFormView(UINT templateId) : m_templateId(templateId)
{
}

const MessageMap& CFormView::GetMessageMap() const
{
    static const MessageMap map(CView::GetMessageMap(),
        {
            on::Message(WM_INITDIALOG, &CFormView::OnInitDialogMessage),
            on::Size(&CFormView::OnSize),
            on::HScroll(&CFormView::OnHScroll),
            on::VScroll(&CFormView::OnVScroll),
            on::Message(WM_IDLEUPDATECMDUI, &CFormView::OnIdleUpdateControls),
        });
    return map;
}

LRESULT CFormView::OnInitDialogMessage(WPARAM, LPARAM)
{
    return FALSE;  // the focus is the frame's business
}

LRESULT CFormView::OnIdleUpdateControls(WPARAM, LPARAM)
{
    UpdateDialogControls(m_hWnd, *this);
    return 0;
}

bool CFormView::Create(CWnd* parent, const RECT& rect, UINT id, DWORD style, CDocument* document)
{
    if (document)
        document->AddView(this);
    HINSTANCE module = m_resource ? m_resource : ResourceInstance();
    DWORD childStyle = (style & ~WS_VISIBLE) | WS_CHILD | WS_CLIPSIBLINGS | DS_CONTROL;
    if (!CreateDialogWindow(module, MAKEINTRESOURCEA(m_templateId), parent ? parent->m_hWnd : nullptr, childStyle))
        return false;
    SetWindowLongPtrA(m_hWnd, GWLP_ID, static_cast<LONG_PTR>(id));
    RECT natural = GetWindowRect();
    m_total = SIZE {natural.right - natural.left, natural.bottom - natural.top};
    MoveWindow(rect);
    UpdateScrollBars();
    OnInitialUpdate();
    if (style & WS_VISIBLE)
        ShowWindow(SW_SHOWNA);
    return true;
}

void CFormView::OnInitialUpdate()
{
    UpdateData(false);
}

bool CFormView::PreTranslateMessage(MSG& message)
{
    if (message.message < WM_KEYFIRST || message.message > WM_KEYLAST)
        return false;
    if (message.hwnd != m_hWnd && !IsChild(m_hWnd, message.hwnd))
        return false;
    return IsDialogMessageA(m_hWnd, &message) != FALSE;
}

void CFormView::OnSize(UINT, int, int)
{
    UpdateScrollBars();
}

void CFormView::UpdateScrollBars()
{
    // Showing one bar narrows the client area and may call for the other, so settle twice.
    for (int round = 0; round < 2; ++round) {
        RECT client = GetClientRect();
        SIZE page = {client.right, client.bottom};
        POINT wanted = m_position;
        wanted.x = std::max(0L, std::min(wanted.x, m_total.cx - page.cx));
        wanted.y = std::max(0L, std::min(wanted.y, m_total.cy - page.cy));
        ScrollTo(wanted);
        SCROLLINFO info = {sizeof info, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        info.nMax = m_total.cx - 1;
        info.nPage = static_cast<UINT>(page.cx > 0 ? page.cx : 0);
        info.nPos = m_position.x;
        SetScrollInfo(m_hWnd, SB_HORZ, &info, TRUE);
        ShowScrollBar(m_hWnd, SB_HORZ, m_total.cx > page.cx);
        info.nMax = m_total.cy - 1;
        info.nPage = static_cast<UINT>(page.cy > 0 ? page.cy : 0);
        info.nPos = m_position.y;
        SetScrollInfo(m_hWnd, SB_VERT, &info, TRUE);
        ShowScrollBar(m_hWnd, SB_VERT, m_total.cy > page.cy);
    }
}

void CFormView::ScrollTo(POINT position)
{
    int dx = m_position.x - position.x;
    int dy = m_position.y - position.y;
    if (!dx && !dy)
        return;
    m_position = position;
    // The controls are moved one by one: scrolling the window's pixels does nothing while
    // the form is hidden, and the controls must still stand where they will be seen.
    for (HWND child = GetWindow(m_hWnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT place = {};
        ::GetWindowRect(child, &place);
        MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<POINT*>(&place), 2);
        SetWindowPos(child, nullptr, place.left + dx, place.top + dy, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(m_hWnd, nullptr, TRUE);
    SetScrollPos(m_hWnd, SB_HORZ, m_position.x, TRUE);
    SetScrollPos(m_hWnd, SB_VERT, m_position.y, TRUE);
}

int CFormView::NewPosition(int, UINT code, UINT thumb, int current, int page, int total) const
{
    int line = 10;
    int position = current;
    switch (code) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = static_cast<int>(thumb); break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = total; break;
    default: break;
    }
    return std::max(0, std::min(position, total - page));
}

void CFormView::OnHScroll(UINT code, UINT position, HWND bar)
{
    if (bar)
        return;  // a scroll-bar control of the form
    RECT client = GetClientRect();
    ScrollTo(POINT {NewPosition(SB_HORZ, code, position, m_position.x, client.right, m_total.cx), m_position.y});
}

void CFormView::OnVScroll(UINT code, UINT position, HWND bar)
{
    if (bar)
        return;
    RECT client = GetClientRect();
    ScrollTo(POINT {m_position.x, NewPosition(SB_VERT, code, position, m_position.y, client.bottom, m_total.cy)});
}
