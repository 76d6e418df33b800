// The brushes, pens and cursors a column list paints and points with.
#pragma once

#include <windows.h>

class ColListGdi {
public:
    ColListGdi();
    ~ColListGdi();
    ColListGdi(const ColListGdi&) = delete;
    ColListGdi& operator=(const ColListGdi&) = delete;

    // Makes every brush and pen again from the current system colours.
    void Recreate();

    HBRUSH highlightBrush = nullptr;  // button highlight
    HBRUSH faceBrush = nullptr;
    HBRUSH shadowBrush = nullptr;
    HBRUSH blackBrush = nullptr;
    HPEN highlightPen = nullptr;
    HPEN facePen = nullptr;
    HPEN shadowPen = nullptr;
    HPEN blackPen = nullptr;
    // Row backgrounds: selected rows and the others.
    HBRUSH selectionBrush = nullptr;
    HBRUSH windowBrush = nullptr;

    HCURSOR resizeCursor = nullptr;
    HCURSOR arrowCursor = nullptr;

private:
    void Release();
};

// Header button edges. A raised button has light left and top edges, a black right edge and
// shadow lines inside its bottom and (unless it is the filler) its right edge; a pressed
// button has all four edges in shadow. The box runs from left to right inclusive.
void DrawRaisedButton(HDC dc, const ColListGdi& gdi, int left, int top, int right, int bottom, bool innerRight);
void DrawPressedButton(HDC dc, const ColListGdi& gdi, int left, int top, int right, int bottom);
