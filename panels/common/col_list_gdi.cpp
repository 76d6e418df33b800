// Column list brushes, pens, cursors and header button edges.
#include "col_list_gdi.h"

#include "module.h"

namespace {

constexpr int kResizeCursorId = 101;

void Line(HDC dc, HPEN pen, int x1, int y1, int x2, int y2)
{
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
}

}  // namespace

ColListGdi::ColListGdi()
{
    Recreate();
    // A module without the cursor resource falls back to the system's four-way sizing cursor.
    resizeCursor = LoadCursorA(ModuleInstance(), MAKEINTRESOURCEA(kResizeCursorId));
    if (!resizeCursor)
        resizeCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32646));  // IDC_SIZEALL
    arrowCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
}

ColListGdi::~ColListGdi()
{
    // Cursors loaded from resources are shared and are not destroyed.
    Release();
}

void ColListGdi::Release()
{
    for (HGDIOBJ object : {static_cast<HGDIOBJ>(highlightBrush), static_cast<HGDIOBJ>(faceBrush),
             static_cast<HGDIOBJ>(shadowBrush), static_cast<HGDIOBJ>(blackBrush), static_cast<HGDIOBJ>(highlightPen),
             static_cast<HGDIOBJ>(facePen), static_cast<HGDIOBJ>(shadowPen), static_cast<HGDIOBJ>(blackPen),
             static_cast<HGDIOBJ>(selectionBrush), static_cast<HGDIOBJ>(windowBrush)}) {
        if (object)
            DeleteObject(object);
    }
}

void ColListGdi::Recreate()
{
    Release();
    highlightBrush = CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT));
    faceBrush = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    shadowBrush = CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW));
    blackBrush = CreateSolidBrush(RGB(0, 0, 0));
    highlightPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    facePen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNFACE));
    shadowPen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    blackPen = CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    selectionBrush = CreateSolidBrush(GetSysColor(COLOR_HIGHLIGHT));
    windowBrush = CreateSolidBrush(GetSysColor(COLOR_WINDOW));
}

void DrawRaisedButton(HDC dc, const ColListGdi& gdi, int left, int top, int right, int bottom, bool innerRight)
{
    Line(dc, gdi.highlightPen, left, bottom, left, top);
    Line(dc, gdi.highlightPen, left, top, right + 1, top);
    Line(dc, gdi.blackPen, right, top, right, bottom + 1);
    Line(dc, gdi.shadowPen, left + 1, bottom, right, bottom);
    if (innerRight)
        Line(dc, gdi.shadowPen, right - 1, top + 1, right - 1, bottom);
}

void DrawPressedButton(HDC dc, const ColListGdi& gdi, int left, int top, int right, int bottom)
{
    Line(dc, gdi.shadowPen, left, bottom, left, top);
    Line(dc, gdi.shadowPen, left, top, right + 1, top);
    Line(dc, gdi.shadowPen, right, top, right, bottom + 1);
    Line(dc, gdi.shadowPen, left, bottom, right + 1, bottom);
}
