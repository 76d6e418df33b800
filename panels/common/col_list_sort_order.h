// The order of column list rows: key column, type and direction, and the re-sort of all rows.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "col_list_item.h"
#include "sort_key.h"

class ColListSortOrder {
public:
    int keyColumn = 0;
    SortType type = SortType::Text;
    SortDirection direction = SortDirection::Ascending;
    LeadByteTable leadBytes;

    // The sort key of a row text under the current key column.
    std::string KeyOf(std::string_view text) const;

    // Compares two rows by their stored sort keys, as the list box asks; every call counts.
    int Compare(const ColListItem& first, const ColListItem& second) const;

    // Recomputes every row's key from its text and orders the rows. Rows with equal keys
    // keep their previous order, so a re-sort never shuffles ties.
    void Sort(std::vector<ColListItem*>& items) const;

    // A number that orders two keys as Compare does (before the direction is applied)
    // whenever the numbers differ: the value of a numeric key, the first eight bytes of a text
    // key. Equal numbers decide nothing. Text keys of a double-byte code page have none.
    bool HasDigests() const { return type == SortType::Numeric || leadBytes.none(); }
    std::uint64_t Digest(std::string_view key) const;

    std::uint64_t Comparisons() const { return m_comparisons; }
    void ResetComparisons() { m_comparisons = 0; }

private:
    mutable std::uint64_t m_comparisons = 0;
};

// The positions in `items` of each of `wanted` (found by pointer), in ascending order;
// records no longer present are left out.
std::vector<int> PositionsOf(const std::vector<ColListItem*>& items, const std::vector<const ColListItem*>& wanted);
