// CColListBox: the owner-drawn list box inside a column list, with its mouse and scroll handling.
#pragma once

#include "wnd.h"

class CColList;

class CColListBox : public CWnd {
public:
    explicit CColListBox(CColList& control) : m_control(control) { }

    const MessageMap& GetMessageMap() const override;

    // The current row: the caret of a multiple-selection list, else the selected row; -1 when none.
    int CurrentRow() const;

private:
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonDblClk(UINT flags, POINT point);
    void OnRButtonDown(UINT flags, POINT point);
    void OnHScroll(UINT code, UINT position, HWND scrollBar);
    void OnSysColorChange();
    // Rows taken out of the list box, by the control or by anyone else, leave the row array too.
    LRESULT OnDeleteString(WPARAM position, LPARAM);
    LRESULT OnResetContent(WPARAM, LPARAM);
    // Whether the point lies in the check cell of the current row.
    bool InCurrentCheckCell(POINT point) const;

    CColList& m_control;
};
