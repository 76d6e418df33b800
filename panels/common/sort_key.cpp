// Sort key comparison of the column list.
#include "sort_key.h"

#include <limits>

long long LeadingNumber(std::string_view key)
{
    // Keys come from row texts; a long run of digits saturates instead of overflowing.
    constexpr long long kLargest = std::numeric_limits<long long>::max() / 10 - 9;
    long long value = 0;
    for (char c : key) {
        if (c < '0' || c > '9')
            break;
        if (value < kLargest)
            value = value * 10 + (c - '0');
    }
    return value;
}

int CompareMultibyte(std::string_view first, std::string_view second, const LeadByteTable& leadBytes)
{
    size_t i = 0, j = 0;
    // Reads one character; a double-byte character counts as lead * 256 + trail, so it
    // sorts as one unit after every single-byte character.
    auto next = [&](std::string_view text, size_t& at) -> unsigned {
        unsigned c = static_cast<unsigned char>(text[at++]);
        if (leadBytes[c] && at < text.size())
            c = (c << 8) | static_cast<unsigned char>(text[at++]);
        return c;
    };
    while (i < first.size() && j < second.size()) {
        unsigned a = next(first, i);
        unsigned b = next(second, j);
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (i < first.size())
        return 1;
    if (j < second.size())
        return -1;
    return 0;
}

int CompareSortKeys(std::string_view first, std::string_view second, SortType type, SortDirection direction,
    const LeadByteTable& leadBytes)
{
    int order;
    if (type == SortType::Numeric) {
        long long a = LeadingNumber(first), b = LeadingNumber(second);
        order = a < b ? -1 : a > b ? 1 : 0;
    } else {
        order = CompareMultibyte(first, second, leadBytes);
    }
    return direction == SortDirection::Ascending ? order : -order;
}
