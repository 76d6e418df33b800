// CEdit: a thin, non-owning handle on an edit control.
#pragma once

#include <windows.h>

#include <string>

class CEdit {
public:
    explicit CEdit(HWND window = nullptr) : m_hWnd(window) { }

    HWND m_hWnd;

    // The whole text, however long.
    std::string GetText() const;
    void SetText(const std::string& text) const;
    void LimitText(int characters) const;
    int GetLimitText() const;
    void SetReadOnly(bool readOnly = true) const;
    void SetSel(int start, int end) const;
    // Appends at the end and shows the end.
    void AppendText(const std::string& text) const;
};

// The text of any window, however long: the one way the framework reads window text.
std::string WindowText(HWND window);
