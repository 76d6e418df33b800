// The column list's block-wise row storage.
#include "col_list_rows.h"

#include <algorithm>

bool ColListRows::Locate(int position, size_t& block, int& blockStart) const
{
    if (position < 0 || position >= m_count)
        return false;
    auto after = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    block = static_cast<size_t>(after - m_starts.begin()) - 1;
    blockStart = m_starts[block];
    return true;
}

void ColListRows::RecountStarts()
{
    m_starts.resize(m_blocks.size());
    int start = 0;
    for (size_t b = 0; b < m_blocks.size(); ++b) {
        m_starts[b] = start;
        start += static_cast<int>(m_blocks[b].size());
    }
}

ColListItem* ColListRows::At(int position) const
{
    size_t block = 0;
    int start = 0;
    if (!Locate(position, block, start))
        return nullptr;
    return m_blocks[block][static_cast<size_t>(position - start)].item.get();
}

bool ColListRows::Insert(int position, std::unique_ptr<ColListItem> item)
{
    if (!item || position < 0 || position > m_count)
        return false;
    size_t block = 0;
    int start = 0;
    if (position == m_count) {
        // Appending: to the last block.
        if (m_blocks.empty())
            m_blocks.emplace_back();
        block = m_blocks.size() - 1;
        start = m_count - static_cast<int>(m_blocks[block].size());
    } else {
        Locate(position, block, start);
    }
    Block& target = m_blocks[block];
    target.insert(target.begin() + (position - start), MakeEntry(std::move(item)));
    ++m_count;
    SplitIfFull(block);
    RecountStarts();
    return true;
}

void ColListRows::SplitIfFull(size_t block)
{
    if (m_blocks[block].size() <= kBlockLimit)
        return;
    Block& full = m_blocks[block];
    Block upper;
    size_t half = full.size() / 2;
    // Both halves get room for a full block, so neither grows before it splits again; the
    // block that ran over the limit had doubled its room, and lets it go here.
    upper.reserve(kBlockLimit);
    std::move(full.begin() + static_cast<std::ptrdiff_t>(half), full.end(), std::back_inserter(upper));
    full.resize(half);
    Block lower;
    lower.reserve(kBlockLimit);
    std::move(full.begin(), full.end(), std::back_inserter(lower));
    full = std::move(lower);
    m_blocks.insert(m_blocks.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
}

ColListRows::Entry ColListRows::MakeEntry(std::unique_ptr<ColListItem> item) const
{
    Entry entry;
    entry.digest = m_order.HasDigests() ? m_order.Digest(item->sortKey) : 0;
    entry.item = std::move(item);
    return entry;
}

int ColListRows::CompareEntry(const Entry& row, const ColListItem& item, std::uint64_t digest) const
{
    if (m_order.HasDigests() && row.digest != digest) {
        int ascending = row.digest < digest ? -1 : 1;
        return m_order.direction == SortDirection::Ascending ? ascending : -ascending;
    }
    return m_order.Compare(*row.item, item);
}

int ColListRows::Bound(const ColListItem& item, std::uint64_t digest, bool after) const
{
    auto past = [&](const Entry& row) {
        int result = CompareEntry(row, item, digest);
        return after ? result > 0 : result >= 0;
    };
    // The first block whose last row is past the record; the bound lies inside it.
    size_t low = 0;
    size_t high = m_blocks.size();
    while (low < high) {
        size_t middle = (low + high) / 2;
        if (past(m_blocks[middle].back()))
            high = middle;
        else
            low = middle + 1;
    }
    if (low == m_blocks.size())
        return m_count;
    const Block& block = m_blocks[low];
    auto at = std::partition_point(block.begin(), block.end(), [&](const Entry& row) { return !past(row); });
    return m_starts[low] + static_cast<int>(at - block.begin());
}

int ColListRows::SortedPosition(const ColListItem& item, bool rowsInOrder) const
{
    const ColListSortOrder& order = m_order;
    int lower = 0;
    int upper = 0;
    if (rowsInOrder) {
        const std::uint64_t digest = order.HasDigests() ? order.Digest(item.sortKey) : 0;
        // In sorted rows the probes' answers follow from the positions alone: before `lower`
        // a row sorts before the record, from `upper` on after it, and in between it is equal.
        lower = Bound(item, digest, false);
        upper = lower;
        if (lower < m_count && order.Compare(*At(lower), item) == 0)
            upper = Bound(item, digest, true);
    }
    int low = 0;
    int high = m_count;
    while (low != high) {
        int middle = (low + high) / 2;
        int result = rowsInOrder ? (middle < lower ? -1 : middle < upper ? 0 : 1) : order.Compare(*At(middle), item);
        if (result == 0)
            return middle;
        if (result > 0)
            high = middle;
        else
            low = middle + 1;
    }
    return high;
}

std::unique_ptr<ColListItem> ColListRows::Remove(int position)
{
    size_t block = 0;
    int start = 0;
    if (!Locate(position, block, start))
        return nullptr;
    Block& source = m_blocks[block];
    auto at = source.begin() + (position - start);
    std::unique_ptr<ColListItem> item = std::move(at->item);
    source.erase(at);
    if (source.empty())
        m_blocks.erase(m_blocks.begin() + static_cast<std::ptrdiff_t>(block));
    --m_count;
    RecountStarts();
    return item;
}

void ColListRows::Clear()
{
    m_blocks.clear();
    m_starts.clear();
    m_count = 0;
}

std::vector<ColListItem*> ColListRows::All() const
{
    std::vector<ColListItem*> items;
    items.reserve(static_cast<size_t>(m_count));
    for (const Block& block : m_blocks)
        for (const Entry& entry : block)
            items.push_back(entry.item.get());
    return items;
}

void ColListRows::Reorder(const std::vector<ColListItem*>& order)
{
    // Every record leaves its block and is taken back in the new order; none is destroyed.
    for (Block& block : m_blocks)
        for (Entry& entry : block)
            entry.item.release();
    m_blocks.clear();
    const size_t fill = kBlockLimit / 2;
    for (size_t i = 0; i < order.size(); i += fill) {
        Block block;
        block.reserve(kBlockLimit);
        for (size_t j = i; j < std::min(order.size(), i + fill); ++j)
            block.push_back(MakeEntry(std::unique_ptr<ColListItem>(order[j])));
        m_blocks.push_back(std::move(block));
    }
    m_count = static_cast<int>(order.size());
    RecountStarts();
}
