// The column records of a column list and the geometry derived from them.
#pragma once

#include <string>
#include <vector>

#include "sort_key.h"

struct ColListColumn {
    // Cell format bits; kNoPress applies to the header button of the column.
    static constexpr int kCentre = 0x1;
    static constexpr int kRight = 0x2;
    static constexpr int kNoPress = 0x4;  // in the cell format
    static constexpr int kNoResize = 0x4;  // in the header format

    std::string title;
    int width = 0;
    int rightEdge = 0;
    SortType sortType = SortType::Text;
    int cellFormat = 0;
    int headerFormat = 0;
    int sortKeyColumn = -1;
    SortDirection sortDirection = SortDirection::Ascending;
    bool hasImages = false;
};

class ColListColumns {
public:
    static constexpr int kMinimumWidth = 5;
    static constexpr int kBoundaryReach = 5;

    explicit ColListColumns(int count) : m_columns(count > 0 ? count : 0) { }

    int Count() const { return static_cast<int>(m_columns.size()); }
    bool Valid(int column) const { return column >= 0 && column < Count(); }
    ColListColumn& operator[](int column) { return m_columns[column]; }
    const ColListColumn& operator[](int column) const { return m_columns[column]; }

    // Sets a width and recomputes every right edge; false for an invalid column.
    bool SetWidth(int column, int width);
    int TotalWidth() const { return m_columns.empty() ? 0 : m_columns.back().rightEdge; }
    int LeftEdge(int column) const { return column > 0 ? m_columns[column - 1].rightEdge : 0; }

    // The column whose right boundary lies within 5 pixels of x (header coordinates already
    // shifted by the header offset), searched from the last column; columns that refuse
    // resizing are passed over. -1 when none.
    int BoundaryAt(int x, int headerOffset) const;
    // The column whose full span holds x, or -1.
    int ButtonAt(int x, int headerOffset) const;
    // The width a drag that ended at lineX gives the column: never below the minimum.
    int DraggedWidth(int column, int lineX, int headerOffset) const;

private:
    void RecomputeEdges();
    std::vector<ColListColumn> m_columns;
};
