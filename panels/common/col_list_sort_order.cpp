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
    ++m_comparisons;
    return CompareSortKeys(first.sortKey, second.sortKey, type, direction, leadBytes);
}

std::uint64_t ColListSortOrder::Digest(std::string_view key) const
{
    if (type == SortType::Numeric)
        return static_cast<std::uint64_t>(LeadingNumber(key));
    // Byte by byte from the first, a missing byte as 0: the unsigned order of the text.
    std::uint64_t digest = 0;
    for (size_t i = 0; i < 8; ++i)
        digest = (digest << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return digest;
}

void ColListSortOrder::Sort(std::vector<ColListItem*>& items) const
{
    for (ColListItem* item : items)
        item->sortKey = KeyOf(item->text);
    std::stable_sort(
        items.begin(), items.end(), [this](const ColListItem* a, const ColListItem* b) { return Compare(*a, *b) < 0; });
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
