// CColListBox: checks, right clicks and scrolling of the rows of a column list.
#include "col_list_box.h"

#include "col_list.h"

const MessageMap& CColListBox::GetMessageMap() const
{
    static const MessageMap map(CWnd::GetMessageMap(),
        {
            on::LButtonDown(&CColListBox::OnLButtonDown),
            on::LButtonDblClk(&CColListBox::OnLButtonDblClk),
            on::RButtonDown(&CColListBox::OnRButtonDown),
            on::HScroll(&CColListBox::OnHScroll),
            on::SysColorChange(&CColListBox::OnSysColorChange),
            on::Message(LB_DELETESTRING, &CColListBox::OnDeleteString),
            on::Message(LB_RESETCONTENT, &CColListBox::OnResetContent),
        });
    return map;
}

int CColListBox::CurrentRow() const
{
    LRESULT row = m_control.MultiSelect() ? SendMessage(LB_GETCARETINDEX) : SendMessage(LB_GETCURSEL);
    return row < 0 || row >= SendMessage(LB_GETCOUNT) ? -1 : static_cast<int>(row);
}

bool CColListBox::InCurrentCheckCell(POINT point) const
{
    int row = CurrentRow();
    RECT rect = {};
    if (row < 0 || SendMessage(LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect)) == LB_ERR)
        return false;
    RECT cell = m_control.CheckCell(rect);
    return PtInRect(&cell, point) != FALSE;
}

void CColListBox::OnLButtonDown(UINT, POINT point)
{
    // The list box first makes the row under the point current.
    Default();
    if (m_control.ChecksEnabled() && InCurrentCheckCell(point))
        m_control.ToggleCheck(CurrentRow());
}

void CColListBox::OnLButtonDblClk(UINT, POINT point)
{
    bool inCell = InCurrentCheckCell(point);
    Default();
    if (m_control.ChecksEnabled() && !inCell)
        m_control.ToggleCheck(CurrentRow());
}

void CColListBox::OnRButtonDown(UINT, POINT point)
{
    if (m_control.ChecksEnabled() && point.x < m_control.CheckWidth())
        return;
    LPARAM where = MAKELPARAM(point.x, point.y);
    SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, where);
    SendMessage(WM_LBUTTONUP, 0, where);
    if (CurrentRow() < 0)
        return;
    POINT screen = point;
    ClientToScreen(m_hWnd, &screen);
    m_control.SendRightClick(screen);
}

void CColListBox::OnHScroll(UINT code, UINT, HWND)
{
    Default();
    // The check column stays in place while the cells scroll under it.
    if ((m_control.Flags() & ColListFlags::kCheckColumn) && code != SB_ENDSCROLL)
        Invalidate(false);
}

void CColListBox::OnSysColorChange()
{
    Default();
    m_control.m_gdi.Recreate();
    Invalidate(true);
    m_control.Invalidate(true);
}

LRESULT CColListBox::OnDeleteString(WPARAM position, LPARAM)
{
    LRESULT remaining = Default();
    if (remaining != LB_ERR)
        m_control.RowsLeftListBox(static_cast<int>(position));
    return remaining;
}

LRESULT CColListBox::OnResetContent(WPARAM, LPARAM)
{
    LRESULT result = Default();
    m_control.RowsLeftListBox(-1);
    return result;
}
