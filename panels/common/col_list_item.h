// The record behind one column list row: its text, sort key, check state, colour and images.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct ColListItem {
    // Bitmap handles of the windowing layer; this record only keeps them per column.
    using ImageHandle = void*;

    ColListItem(std::string rowText, int columnCount, std::uint32_t colour)
        : text(std::move(rowText)),
          textColour(colour),
          images(static_cast<size_t>(columnCount > 0 ? columnCount : 0)),
          masks(images.size())
    {
    }

    int ColumnCount() const { return static_cast<int>(images.size()); }

    void* userData = nullptr;
    std::string text;
    std::string sortKey;
    int check = 0;
    std::uint32_t textColour;
    std::vector<ImageHandle> images;
    std::vector<ImageHandle> masks;
};
