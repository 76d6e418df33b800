// The record behind one column list row: its text, sort key, check state, colour and images.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

// One bitmap handle per column, zero at the start. Lists of a few columns keep them inside
// the record: a row then costs no allocation beyond the record and its text.
class ColListHandles {
public:
    using Handle = void*;
    static constexpr size_t kInline = 4;

    explicit ColListHandles(size_t count) : m_size(count)
    {
        if (count > kInline)
            m_spilled = std::make_unique<Handle[]>(count);
    }

    size_t size() const { return m_size; }
    Handle& operator[](size_t column) { return m_spilled ? m_spilled[column] : m_inline[column]; }
    const Handle& operator[](size_t column) const { return m_spilled ? m_spilled[column] : m_inline[column]; }

private:
    size_t m_size;
    Handle m_inline[kInline] = {};
    std::unique_ptr<Handle[]> m_spilled;
};

struct ColListItem {
    // Bitmap handles of the windowing layer; this record only keeps them per column.
    using ImageHandle = ColListHandles::Handle;

    ColListItem(std::string rowText, int columnCount, std::uint32_t colour)
        : text(std::move(rowText)), textColour(colour), images(static_cast<size_t>(std::max(columnCount, 0))),
          masks(images.size())
    {
    }

    int ColumnCount() const { return static_cast<int>(images.size()); }

    void* userData = nullptr;
    std::string text;
    std::string sortKey;
    int check = 0;
    std::uint32_t textColour;
    ColListHandles images;
    ColListHandles masks;
};
