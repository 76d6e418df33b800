// CComboBox: a thin, non-owning handle on a combo box control.
#pragma once

#include <windows.h>

#include <string>

// Operations answer -1 where the control answers CB_ERR; the window is not destroyed with the
// object.
class CComboBox {
public:
    explicit CComboBox(HWND window = nullptr) : m_hWnd(window) { }

    HWND m_hWnd;

    void ResetContent() const;
    int AddString(const std::string& text) const;
    int GetCount() const;
    int GetCurSel() const;
    bool SetCurSel(int index) const;
    // The text of entry `index`; empty for an index out of range.
    std::string GetLBText(int index) const;
    // The entry equal to `text` (case-insensitive, as the control compares), or -1.
    int FindStringExact(const std::string& text, int after = -1) const;
    bool SetItemData(int index, DWORD_PTR data) const;
    DWORD_PTR GetItemData(int index) const;
};
