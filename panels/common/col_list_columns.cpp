// Column widths, edges and header hit tests of the column list.
#include "col_list_columns.h"

#include <algorithm>

bool ColListColumns::SetWidth(int column, int width)
{
    if (!Valid(column))
        return false;
    columns_[column].width = width;
    RecomputeEdges();
    return true;
}

void ColListColumns::RecomputeEdges()
{
    int edge = 0;
    for (ColListColumn& column : columns_) {
        edge += column.width;
        column.rightEdge = edge;
    }
}

int ColListColumns::BoundaryAt(int x, int headerOffset) const
{
    for (int i = Count() - 1; i >= 0; --i) {
        int boundary = columns_[i].rightEdge - headerOffset;
        if (boundary >= x - kBoundaryReach && boundary <= x + kBoundaryReach
            && !(columns_[i].headerFormat & ColListColumn::kNoResize))
            return i;
    }
    return -1;
}

int ColListColumns::ButtonAt(int x, int headerOffset) const
{
    for (int i = 0; i < Count(); ++i) {
        int left = LeftEdge(i) - headerOffset;
        int right = columns_[i].rightEdge - headerOffset;
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
