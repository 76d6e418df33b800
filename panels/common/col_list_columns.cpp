// Column widths, edges and header hit tests of the column list.
#include "col_list_columns.h"

#include <algorithm>

bool ColListColumns::SetWidth(int column, int width)
{
    if (!Valid(column))
        return false;
    m_columns[column].width = width;
    RecomputeEdges();
    return true;
}

void ColListColumns::RecomputeEdges()
{
    int edge = 0;
    for (ColListColumn& column : m_columns) {
        edge += column.width;
        column.rightEdge = edge;
    }
}

int ColListColumns::BoundaryAt(int x, int headerOffset) const
{
    for (int i = Count() - 1; i >= 0; --i) {
        int boundary = m_columns[i].rightEdge - headerOffset;
        if (boundary >= x - kBoundaryReach && boundary <= x + kBoundaryReach &&
            !(m_columns[i].headerFormat & ColListColumn::kNoResize))
            return i;
    }
    return -1;
}

int ColListColumns::ButtonAt(int x, int headerOffset) const
{
    for (int i = 0; i < Count(); ++i) {
        int left = LeftEdge(i) - headerOffset;
        int right = m_columns[i].rightEdge - headerOffset;
        if (x > left && x <= right)
            return i;
    }
    return -1;
}

int ColListColumns::DraggedWidth(int column, int lineX, int headerOffset) const
{
    if (!Valid(column))
        return kMinimumWidth;
    return std::max(kMinimumWidth, lineX - (LeftEdge(column) - headerOffset));
}
