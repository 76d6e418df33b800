// CEdit: the edit control messages the windows use, and reading window text.
#include "edit_control.h"

#include <vector>

std::string WindowText(HWND window)
{
    if (!window)
        return std::string();
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    const int got = GetWindowTextA(window, text.data(), length + 1);
    return std::string(text.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

std::string CEdit::GetText() const
{
    return WindowText(m_hWnd);
}

void CEdit::SetText(const std::string& text) const
{
    SetWindowTextA(m_hWnd, text.c_str());
}

void CEdit::LimitText(int characters) const
{
    SendMessageA(m_hWnd, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

int CEdit::GetLimitText() const
{
    return static_cast<int>(SendMessageA(m_hWnd, EM_GETLIMITTEXT, 0, 0));
}

void CEdit::SetReadOnly(bool readOnly) const
{
    SendMessageA(m_hWnd, EM_SETREADONLY, readOnly ? TRUE : FALSE, 0);
}

void CEdit::SetSel(int start, int end) const
{
    SendMessageA(m_hWnd, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
}

void CEdit::AppendText(const std::string& text) const
{
    const int length = GetWindowTextLengthA(m_hWnd);
    SetSel(length, length);
    SendMessageA(m_hWnd, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(m_hWnd, EM_SCROLLCARET, 0, 0);
}
