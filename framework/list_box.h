// CListBox: a thin, non-owning handle on a list box control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Operations answer -1 where the control answers LB_ERR; the window is not destroyed with the
// object.
class CListBox {
public:
    explicit CListBox(HWND window = nullptr) : m_hWnd(window) { }

    HWND m_hWnd;

    void ResetContent() const;
    int AddString(const std::string& text) const;
    int InsertString(int index, const std::string& text) const;
    int DeleteString(int index) const;
    int GetCount() const;
    int GetCurSel() const;
    bool SetCurSel(int index) const;
    // The text of entry `index`; empty for an index out of range.
    std::string GetText(int index) const;
    int FindStringExact(const std::string& text, int after = -1) const;
    bool SetItemData(int index, DWORD_PTR data) const;
    DWORD_PTR GetItemData(int index) const;
    // The selected entries of a multiple-selection list, first to last.
    std::vector<int> GetSelectedItems() const;
    bool SetSel(int index, bool select = true) const;
};
