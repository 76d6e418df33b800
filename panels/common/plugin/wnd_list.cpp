// CWndList: the pane's class, layout, caption painting and focus rule.
#include "wnd_list.h"

#include <algorithm>

RECT WndListMetrics::ContentRect(int clientWidth, int clientHeight, bool captionShown) const
{
    const int margin = Margin();
    const int band = CaptionBand(captionShown);
    const int width = std::max(0, clientWidth - 2 * margin);
    const int height = std::max(0, clientHeight - 2 * margin - band);
    return RECT {margin, margin + band, margin + width, margin + band + height};
}

CWndList::CWndList()
{
    // The pane belongs to its window: it goes when the window goes.
    SetAutoDelete(true);
}

bool CWndList::Create(CWnd* parent, const RECT& rect, UINT id, DWORD style)
{
    if (!RegisterWindowClass(kClassName, CS_DBLCLKS | CS_PARENTDC, LoadCursor(nullptr, IDC_ARROW),
            reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)))
        return false;
    return CreateEx(0, kClassName, "", style, rect, parent ? parent->m_hWnd : nullptr, id);
}

const MessageMap& CWndList::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Create(&CWndList::OnCreate),
            on::Size(&CWndList::OnSize),
            on::Paint(&CWndList::OnPaint),
            on::SetFocus(&CWndList::OnSetFocus),
            on::Message(WM_SETFONT, &CWndList::OnSetFont),
        });
    return map;
}

int CWndList::OnCreate(CREATESTRUCTA&)
{
    MeasureFont();
    return 0;
}

void CWndList::MeasureFont()
{
    HDC dc = GetDC(m_hWnd);
    if (!dc)
        return;
    HGDIOBJ old = m_font ? SelectObject(dc, m_font) : nullptr;
    SIZE size = {};
    if (GetTextExtentPoint32A(dc, "M", 1, &size)) {
        m_metrics.charWidth = size.cx;
        m_metrics.charHeight = size.cy;
    }
    if (old)
        SelectObject(dc, old);
    ReleaseDC(m_hWnd, dc);
}

void CWndList::SetCaption(bool show, const char* text)
{
    m_captionShown = show;
    if (text)
        m_caption = text;
    if (m_hWnd) {
        RECT area = CaptionArea();
        InvalidateRect(m_hWnd, &area, TRUE);
    }
}

void CWndList::SetCaptionEnabled(bool enabled)
{
    m_enabled = enabled;
    if (m_hWnd) {
        RECT area = CaptionArea();
        InvalidateRect(m_hWnd, &area, TRUE);
    }
}

RECT CWndList::CaptionArea() const
{
    RECT client = GetClientRect();
    const int margin = m_metrics.Margin();
    // The band of the caption that is shown now, or of one as high as a line when hidden.
    const int band = std::max(m_metrics.CaptionBand(true), m_metrics.CaptionBand(m_captionShown));
    return RECT {0, 0, client.right, margin + band};
}

void CWndList::Layout()
{
    if (!m_hWnd)
        return;
    RECT client = GetClientRect();
    LayoutTo(client.right, client.bottom);
}

void CWndList::OnSize(UINT, int width, int height)
{
    LayoutTo(width, height);
}

void CWndList::LayoutTo(int width, int height)
{
    const RECT content = m_metrics.ContentRect(width, height, m_captionShown);
    for (HWND window : {m_content, m_alternate}) {
        if (window && IsWindow(window))
            ::MoveWindow(
                window, content.left, content.top, content.right - content.left, content.bottom - content.top, TRUE);
    }
    // The frame around the content and the caption: the client area less the content.
    HRGN outside = CreateRectRgn(0, 0, width, height);
    HRGN inside = CreateRectRgnIndirect(&content);
    CombineRgn(outside, outside, inside, RGN_DIFF);
    InvalidateRgn(m_hWnd, outside, TRUE);
    DeleteObject(inside);
    DeleteObject(outside);
}

void CWndList::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    if (!dc)
        return;
    SetTextColor(dc, GetSysColor(m_enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    HGDIOBJ old = m_font ? SelectObject(dc, m_font) : nullptr;
    if (m_captionShown && !m_caption.empty()) {
        SetBkMode(dc, TRANSPARENT);
        RECT client = GetClientRect();
        SIZE size = {};
        GetTextExtentPoint32A(dc, m_caption.c_str(), static_cast<int>(m_caption.size()), &size);
        const int margin = m_metrics.Margin();
        const int bottom = margin + m_metrics.CaptionBand(true) - 2;
        RECT line = {margin, bottom - size.cy, client.right - margin, bottom};
        DrawTextA(
            dc, m_caption.c_str(), static_cast<int>(m_caption.size()), &line, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (old)
        SelectObject(dc, old);
    EndPaint(m_hWnd, &paint);
}

void CWndList::OnSetFocus(HWND)
{
    if (m_alternate && IsWindow(m_alternate) && ::IsWindowVisible(m_alternate))
        ::SetFocus(m_alternate);
    else if (m_content && IsWindow(m_content))
        ::SetFocus(m_content);
}

LRESULT CWndList::OnSetFont(WPARAM wParam, LPARAM)
{
    m_font = reinterpret_cast<HFONT>(wParam);
    Invalidate(true);
    return 0;
}
