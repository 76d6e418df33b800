// CColList: the multi-column list window "ColList" with its header strip and sorted rows.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "col_list_box.h"
#include "col_list_columns.h"
#include "col_list_flags.h"
#include "col_list_gdi.h"
#include "col_list_item.h"
#include "col_list_rows.h"
#include "col_list_sort_order.h"
#include "wnd.h"

class CColList : public CWnd {
public:
    static constexpr UINT kListId = 7;
    static constexpr int kCheckWidth = 20;
    static constexpr int kInitialHeaderHeight = 17;
    static const char kClassName[];
    // Posted to itself after a run of row operations, to draw the list once.
    static constexpr UINT kEndFillMessage = WM_USER + 100;

    CColList();
    ~CColList() override;

    const MessageMap& GetMessageMap() const override;

    // Creates the window at `rect` in owner coordinates; false for a column count below 1,
    // a failed class registration or a failed list box.
    bool Create(int columnCount, DWORD style, const RECT& rect, HWND owner, UINT id, DWORD flags);

    // Column set-up: 0, or -1 for a column outside 0 ... count-1 or an invalid value.
    int SetColumnTitle(int column, const std::string& text);
    int SetColumnWidth(int column, int pixels);
    int SetColumnSortType(int column, SortType type);
    int SetColumnFormat(int column, int format);
    int SetHeaderFormat(int column, int format);
    int SetSortDirection(int column, int direction);
    int SetSortKey(int column, int keyColumn, int direction);
    // Sorts by `column`; refused (-1) when it is already the sort column unless forced.
    // Direction -1 takes the key column's own direction.
    int SortByColumn(int column, bool force, int direction);

    // Rows, by list position.
    int AddItem(const std::string& text);
    int InsertItem(int position, const std::string& text);
    int DeleteItem(int position);
    void DeleteAllItems();
    std::string GetItemText(int position) const;
    std::string GetItemColumnText(int position, int column) const;
    int SetItemColumnText(int position, int column, const std::string& text, bool resort);
    int SetItemData(int position, void* data);
    // The owner's record of the row; kInvalidData for an invalid position.
    void* GetItemData(int position) const;
    int SetItemColor(int position, COLORREF colour);
    int SetItemImage(int position, int column, HBITMAP image, HBITMAP mask);
    int SetCheck(int position, int state);
    int GetCheck(int position) const;
    // Mode 0 none, 1 centred, 3 at the right end of the header, other: below the header at
    // the left. A null text keeps the previous one; colour 0 leaves the colour unchanged.
    void SetEmptyMessage(int mode, const char* text, COLORREF colour, HFONT font);
    // The check column draws these when attached; the control never destroys them.
    void SetCheckImages(HBITMAP checked, HBITMAP unchecked);

    static void* const kInvalidData;

    // State, for the owner and for tests.
    int ItemCount() const;
    HWND ListBox() const { return m_list.m_hWnd; }
    DWORD Flags() const { return m_flags; }
    const ColListColumns& Columns() const { return m_columns; }
    int HeaderHeight() const { return m_headerHeight; }
    int HeaderOffset() const { return m_headerOffset; }
    int CheckWidth() const { return m_checkWidth; }
    int SortColumn() const { return m_sortColumn; }
    const ColListSortOrder& SortOrder() const { return m_order; }
    int PressedColumn() const { return m_pressedColumn; }
    int DragColumn() const { return m_dragColumn; }
    int TrackingLineX() const { return m_trackRect.left; }

private:
    friend class CColListBox;

    bool RegisterColListClass();
    bool ChecksEnabled() const { return (m_flags & (ColListFlags::kCheckColumn | ColListFlags::kChecks)) != 0; }
    bool MultiSelect() const
    {
        return (m_flags & (ColListFlags::kMultipleSelection | ColListFlags::kExtendedSelection)) != 0;
    }
    ColListItem* Item(int position) const;
    // Counts the row in the list box and stores its record; the position, or negative.
    int PlaceItem(int position, std::unique_ptr<ColListItem> item);
    // The list box let go of the row at `position`, or of every row for -1.
    void RowsLeftListBox(int position);
    void Resort();
    void UpdateExtent();
    void ApplyEmptyRule();
    void BeginFill();
    LRESULT OnEndFill(WPARAM, LPARAM);
    void InvalidateHeader(int fromX = 0);
    void InvalidateRow(int position);
    RECT CheckCell(const RECT& row) const;
    void ToggleCheck(int position);
    void SendRightClick(POINT screen);

    // Messages of the control window.
    int OnCreate(CREATESTRUCTA& create);
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    LRESULT OnMeasureItem(WPARAM, LPARAM lParam);
    void OnDrawItem(UINT id, DRAWITEMSTRUCT& draw);
    LRESULT OnDeleteItem(WPARAM, LPARAM lParam);
    LRESULT OnVKeyToItem(WPARAM wParam, LPARAM lParam);
    LRESULT OnSetCursor(WPARAM, LPARAM);
    LRESULT OnCaptureChanged(WPARAM, LPARAM);
    void OnSetFocus(HWND previous);
    void OnLButtonDown(UINT flags, POINT point);
    void OnLButtonUp(UINT flags, POINT point);
    void OnMouseMove(UINT flags, POINT point);
    void OnOtherButtonDown(UINT flags, POINT point);
    bool OnCommand(WPARAM wParam, LPARAM lParam) override;

    // Painting.
    void PaintFrame();
    void PaintHeader(HDC dc, int width);
    void PaintButton(HDC dc, int column, int left, int right);
    void PaintEmptyMessage(HDC dc);
    void PaintRow(DRAWITEMSTRUCT& draw, ColListItem& item);
    int PaintImage(HDC dc, HBITMAP image, HBITMAP mask, int left, const RECT& row, int columnWidth);
    void InvertTrackingLine();
    void EndDrag(bool apply);

    UINT m_id = 0;
    HWND m_owner = nullptr;
    // The records of the rows, in list order; the list box holds only their count.
    ColListRows m_rows {m_order};
    // The rows stand in the order of m_order: no row was inserted by position since the last sort.
    bool m_rowsInOrder = true;
    CColListBox m_list;
    DWORD m_flags = 0;
    ColListColumns m_columns {0};
    int m_headerHeight = kInitialHeaderHeight;
    int m_headerOffset = 0;
    int m_lastRowRight = 0;
    int m_sortColumn = 0;
    ColListSortOrder m_order;
    bool m_filling = false;
    bool m_listHidden = false;
    int m_pressedColumn = -1;
    bool m_pressCaptured = false;
    int m_checkWidth = 0;

    int m_emptyMode = 0;
    std::string m_emptyText;
    COLORREF m_emptyColour = 0;
    HFONT m_emptyFont = nullptr;

    int m_dragColumn = -1;
    bool m_dragging = false;
    RECT m_trackRect = {};
    int m_dragLeftmost = 0;
    int m_dragRightmost = 0;
    int m_dragGrip = 0;  // mouse x minus boundary x at the press

    HFONT m_headerFont;
    HFONT m_listFont;
    ColListGdi m_gdi;
    HBITMAP m_checkedImage = nullptr;
    HBITMAP m_uncheckedImage = nullptr;
};
