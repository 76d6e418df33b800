// CSplitterWnd: one row of two panes side by side with a bar between them that the mouse moves.
#pragma once

#include "framework_ids.h"
#include "wnd.h"

class CSplitterWnd : public CWnd {
public:
    static constexpr int kBarWidth = 6;

    // Only the one-row, two-column layout is made (false otherwise).
    bool CreateStatic(
        CWnd* parent, int rows, int columns, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_PANE_FIRST);
    // Panes are children of the splitter with the id of their place.
    static UINT IdFromRowCol(int row, int column) { return AFX_IDW_PANE_FIRST + row * 16 + column; }
    // Makes `pane` (a child window of the splitter) the pane of the column.
    void SetPane(int column, HWND pane);
    HWND GetPane(int row, int column) const;
    // The first column's wished width and both columns' minimum widths.
    void SetColumnInfo(int column, int ideal, int minimum);
    void GetColumnInfo(int column, int& current, int& minimum) const;
    void RecalcLayout();

    const MessageMap& GetMessageMap() const override;

protected:
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;
    bool OnNotify(WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void OnSize(UINT type, int cx, int cy);
    void OnPaint();
    void OnLButtonDown(UINT flags, POINT point);
    void OnMouseMove(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    bool OnBar(POINT point) const;

    int m_ideal = 100;
    int m_minimum[2] = {0, 0};
    int m_current[2] = {0, 0};
    bool m_dragging = false;
    int m_grab = 0;
};
