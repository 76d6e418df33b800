// ColListRows: the column list's own row records in list order, cheap to insert anywhere.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "col_list_item.h"
#include "col_list_sort_order.h"

// The rows are kept in blocks of a few hundred records, so an insertion moves at most one
// block's pointers however long the list is; the first position of every block is kept, so a
// position is found by a binary search over the blocks.
class ColListRows {
public:
    static constexpr size_t kBlockLimit = 512;

    // The rows are kept in `order` when they are placed by SortedPosition; the order must
    // outlive this object, and Reorder is called whenever it changes.
    explicit ColListRows(const ColListSortOrder& order) : m_order(order) { }
    ColListRows(const ColListRows&) = delete;
    ColListRows& operator=(const ColListRows&) = delete;

    int Count() const { return m_count; }
    // The record at a list position; null outside 0 ... Count()-1.
    ColListItem* At(int position) const;
    // Places the record at `position` (0 ... Count()); false, and the record dropped, otherwise.
    bool Insert(int position, std::unique_ptr<ColListItem> item);
    // Where a record goes, found as a sorted list box finds it: a binary search over the
    // positions that stops at the first row comparing equal and puts the record before it.
    // `rowsInOrder` says the rows are sorted by `order`; the search is then replayed on the
    // range of equal rows, found block by block, and touches far fewer records.
    int SortedPosition(const ColListItem& item, bool rowsInOrder = false) const;
    // Takes the record out of the list; null for an invalid position.
    std::unique_ptr<ColListItem> Remove(int position);
    void Clear();

    // The records in list order, still owned here.
    std::vector<ColListItem*> All() const;
    // Puts the records into the order given; `order` must hold exactly the records of All().
    // Their sort keys may have changed, and so may the sort order.
    void Reorder(const std::vector<ColListItem*>& order);

private:
    // Each record beside the digest of its sort key: a search reads the digests, which lie
    // together, and visits a record only when two digests are equal.
    struct Entry {
        std::unique_ptr<ColListItem> item;
        std::uint64_t digest = 0;
    };
    using Block = std::vector<Entry>;
    Entry MakeEntry(std::unique_ptr<ColListItem> item) const;
    // The block that holds `position` and the position of its first row; false when outside.
    bool Locate(int position, size_t& block, int& blockStart) const;
    void SplitIfFull(size_t block);
    void RecountStarts();
    // The first position whose row does not sort before the record (or, with `after`, that
    // sorts after it), for rows sorted by `order`.
    int Bound(const ColListItem& item, std::uint64_t digest, bool after) const;
    // Compare(row, item) of the order, decided by the digests when they differ.
    int CompareEntry(const Entry& row, const ColListItem& item, std::uint64_t digest) const;

    const ColListSortOrder& m_order;
    std::vector<Block> m_blocks;
    std::vector<int> m_starts;  // the position of each block's first row
    int m_count = 0;
};
