// CSplitterWnd: pane layout, the dragged bar, and commands passed on to the frame.
#include "splitter_wnd.h"

#include <algorithm>

const MessageMap& CSplitterWnd::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::Size(&CSplitterWnd::OnSize),
            on::Paint(&CSplitterWnd::OnPaint),
            on::LButtonDown(&CSplitterWnd::OnLButtonDown),
            on::MouseMove(&CSplitterWnd::OnMouseMove),
            on::LButtonUp(&CSplitterWnd::OnLButtonUp),
            on::Message(WM_SETCURSOR, &CSplitterWnd::OnSetCursor),
        });
    return map;
}

bool CSplitterWnd::CreateStatic(CWnd* parent, int rows, int columns, DWORD style, UINT id)
{
    if (rows != 1 || columns != 2 || !parent)
        return false;
    static const char kClass[] = "VexSplitter";
    RegisterWindowClass(
        kClass, CS_DBLCLKS, LoadCursor(nullptr, IDC_ARROW), reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT area = parent->GetClientRect();
    return CreateEx(0, kClass, "", style | WS_CHILD | WS_CLIPCHILDREN, area, parent->m_hWnd, id);
}

void CSplitterWnd::SetPane(int column, HWND pane)
{
    if (!pane || column < 0 || column > 1)
        return;
    SetWindowLongPtrA(pane, GWLP_ID, static_cast<LONG_PTR>(IdFromRowCol(0, column)));
    RecalcLayout();
}

HWND CSplitterWnd::GetPane(int row, int column) const
{
    return GetDlgItem(static_cast<int>(IdFromRowCol(row, column)));
}

void CSplitterWnd::SetColumnInfo(int column, int ideal, int minimum)
{
    if (column < 0 || column > 1)
        return;
    if (column == 0)
        m_ideal = ideal;
    m_minimum[column] = std::max(0, minimum);
}

void CSplitterWnd::GetColumnInfo(int column, int& current, int& minimum) const
{
    int index = column == 0 ? 0 : 1;
    current = m_current[index];
    minimum = m_minimum[index];
}

void CSplitterWnd::RecalcLayout()
{
    if (!m_hWnd)
        return;
    RECT client = GetClientRect();
    int room = std::max(0, static_cast<int>(client.right) - kBarWidth);
    // The second pane's minimum wins over the first's wish; neither goes below zero.
    int first = std::min(m_ideal, room - m_minimum[1]);
    first = std::max(first, std::min(m_minimum[0], room));
    first = std::max(0, std::min(first, room));
    m_current[0] = first;
    m_current[1] = room - first;
    if (HWND left = GetPane(0, 0))
        ::MoveWindow(left, 0, 0, m_current[0], client.bottom, TRUE);
    if (HWND right = GetPane(0, 1))
        ::MoveWindow(right, m_current[0] + kBarWidth, 0, m_current[1], client.bottom, TRUE);
    Invalidate(true);
}

void CSplitterWnd::OnSize(UINT, int, int)
{
    RecalcLayout();
}

void CSplitterWnd::OnPaint()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(m_hWnd, &paint);
    RECT client = GetClientRect();
    RECT bar = {m_current[0], 0, m_current[0] + kBarWidth, client.bottom};
    FillRect(dc, &bar, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(dc, &bar, EDGE_RAISED, BF_LEFT | BF_RIGHT);
    EndPaint(m_hWnd, &paint);
}

bool CSplitterWnd::OnBar(POINT point) const
{
    return point.x >= m_current[0] && point.x < m_current[0] + kBarWidth;
}

void CSplitterWnd::OnLButtonDown(UINT, POINT point)
{
    if (!OnBar(point))
        return;
    m_dragging = true;
    m_grab = point.x - m_current[0];
    SetCapture(m_hWnd);
}

void CSplitterWnd::OnMouseMove(UINT, POINT point)
{
    if (!m_dragging)
        return;
    m_ideal = point.x - m_grab;
    RecalcLayout();
}

void CSplitterWnd::OnLButtonUp(UINT, POINT point)
{
    if (!m_dragging)
        return;
    m_ideal = point.x - m_grab;
    m_dragging = false;
    ReleaseCapture();
    RecalcLayout();
}

LRESULT CSplitterWnd::OnSetCursor(WPARAM wParam, LPARAM lParam)
{
    POINT point = {};
    GetCursorPos(&point);
    ScreenToClient(m_hWnd, &point);
    if (reinterpret_cast<HWND>(wParam) == m_hWnd && LOWORD(lParam) == HTCLIENT && OnBar(point)) {
        SetCursor(LoadCursor(nullptr, IDC_SIZEWE));
        return TRUE;
    }
    return Default();
}

bool CSplitterWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The panes' commands and notifications belong to the frame that holds the splitter.
    ::SendMessageA(GetParent(), WM_COMMAND, wParam, lParam);
    return true;
}

bool CSplitterWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = ::SendMessageA(GetParent(), WM_NOTIFY, wParam, lParam);
    return true;
}
