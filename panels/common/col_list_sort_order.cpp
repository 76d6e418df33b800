// Row comparison and the stable re-sort of the column list.
#include "col_list_sort_order.h"

#include <algorithm>
#include <unordered_set>

#include "column_text.h"

std::string ColListSortOrder::KeyOf(std::string_view text) const
{
    return ColumnText(text, keyColumn);
}

int ColListSortOrder::Compare(const ColListItem& first, const ColListItem& second) const
{
    ++comparisons_;
    return CompareSortKeys(first.sortKey, second.sortKey, type, direction, leadBytes);
}

void ColListSortOrder::Sort(std::vector<ColListItem*>& items) const
{
    for (ColListItem* item : items)
        item->sortKey = KeyOf(item->text);
    std::stable_sort(items.begin(), items.end(),
                     [this](const ColListItem* a, const ColListItem* b) { return Compare(*a, *b) < 0; });
}

std::vector<int> PositionsOf(const std::vector<ColListItem*>& items, const std::vector<const ColListItem*>& wanted)
{
    std::unordered_set<const ColListItem*> lookup(wanted.begin(), wanted.end());
    std::vector<int> positions;
    for (size_t i = 0; i < items.size() && positions.size() < lookup.size(); ++i) {
        if (lookup.count(items[i]))
            positions.push_back(static_cast<int>(i));
    }
    return positions;
}
