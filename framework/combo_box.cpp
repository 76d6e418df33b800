// CComboBox: the combo box messages the windows use.
#include "combo_box.h"

#include <vector>

namespace {

int Answer(LRESULT result)
{
    return result == CB_ERR || result == CB_ERRSPACE ? -1 : static_cast<int>(result);
}

}  // namespace

void CComboBox::ResetContent() const
{
    SendMessageA(m_hWnd, CB_RESETCONTENT, 0, 0);
}

int CComboBox::AddString(const std::string& text) const
{
    return Answer(SendMessageA(m_hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

int CComboBox::GetCount() const
{
    return Answer(SendMessageA(m_hWnd, CB_GETCOUNT, 0, 0));
}

int CComboBox::GetCurSel() const
{
    return Answer(SendMessageA(m_hWnd, CB_GETCURSEL, 0, 0));
}

bool CComboBox::SetCurSel(int index) const
{
    return SendMessageA(m_hWnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0) != CB_ERR || index < 0;
}

std::string CComboBox::GetLBText(int index) const
{
    const LRESULT length = SendMessageA(m_hWnd, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0)
        return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got =
        SendMessageA(m_hWnd, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return got == CB_ERR ? std::string() : std::string(text.data());
}

int CComboBox::FindStringExact(const std::string& text, int after) const
{
    return Answer(
        SendMessageA(m_hWnd, CB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text.c_str())));
}

bool CComboBox::SetItemData(int index, DWORD_PTR data) const
{
    return SendMessageA(m_hWnd, CB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data)) != CB_ERR;
}

DWORD_PTR CComboBox::GetItemData(int index) const
{
    const LRESULT data = SendMessageA(m_hWnd, CB_GETITEMDATA, static_cast<WPARAM>(index), 0);
    return data == CB_ERR ? 0 : static_cast<DWORD_PTR>(data);
}
