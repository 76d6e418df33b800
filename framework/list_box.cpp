// CListBox: the list box messages the windows use.
#include "list_box.h"

namespace {

int Answer(LRESULT result)
{
    return result == LB_ERR || result == LB_ERRSPACE ? -1 : static_cast<int>(result);
}

}  // namespace

void CListBox::ResetContent() const
{
    SendMessageA(m_hWnd, LB_RESETCONTENT, 0, 0);
}

int CListBox::AddString(const std::string& text) const
{
    return Answer(SendMessageA(m_hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::InsertString(int index, const std::string& text) const
{
    return Answer(
        SendMessageA(m_hWnd, LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str())));
}

int CListBox::DeleteString(int index) const
{
    return Answer(SendMessageA(m_hWnd, LB_DELETESTRING, static_cast<WPARAM>(index), 0));
}

int CListBox::GetCount() const
{
    return Answer(SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetCurSel() const
{
    return Answer(SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
}

bool CListBox::SetCurSel(int index) const
{
    return SendMessageA(m_hWnd, LB_SETCURSEL, static_cast<WPARAM>(index), 0) != LB_ERR || index < 0;
}

std::string CListBox::GetText(int index) const
{
    const LRESULT length = SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == LB_ERR || length < 0)
        return std::string();
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got =
        SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (got == LB_ERR)
        return std::string();
    text.resize(static_cast<size_t>(got));
    return text;
}

int CListBox::FindStringExact(const std::string& text, int after) const
{
    return Answer(
        SendMessageA(m_hWnd, LB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text.c_str())));
}

bool CListBox::SetItemData(int index, DWORD_PTR data) const
{
    return SendMessageA(m_hWnd, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)) != LB_ERR;
}

DWORD_PTR CListBox::GetItemData(int index) const
{
    const LRESULT data = SendMessageA(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == LB_ERR ? 0 : static_cast<DWORD_PTR>(data);
}

std::vector<int> CListBox::GetSelectedItems() const
{
    const LRESULT count = SendMessageA(m_hWnd, LB_GETSELCOUNT, 0, 0);
    if (count == LB_ERR || count <= 0)
        return {};
    std::vector<int> items(static_cast<size_t>(count));
    const LRESULT got =
        SendMessageA(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(items.data()));
    items.resize(got == LB_ERR ? 0 : static_cast<size_t>(got));
    return items;
}

bool CListBox::SetSel(int index, bool select) const
{
    return SendMessageA(m_hWnd, LB_SETSEL, select ? TRUE : FALSE, static_cast<LPARAM>(index)) != LB_ERR;
}
