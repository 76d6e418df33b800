// Comparison of column list sort keys: numeric or multibyte text, ascending or descending.
#pragma once

#include <bitset>
#include <string_view>

enum class SortType { Text = 0, Numeric = 1 };
enum class SortDirection { Descending = 0, Ascending = 1 };

// Which bytes start a double-byte character in the current multibyte code page;
// empty for single-byte code pages.
using LeadByteTable = std::bitset<256>;

// The value of the leading decimal digits of a key; a key without digits is 0.
long long LeadingNumber(std::string_view key);

// Case-sensitive comparison of two keys, a double-byte character compared as one unit.
// Negative, zero or positive as strcmp.
int CompareMultibyte(std::string_view first, std::string_view second, const LeadByteTable& leadBytes);

int CompareSortKeys(std::string_view first, std::string_view second, SortType type, SortDirection direction,
    const LeadByteTable& leadBytes = LeadByteTable());
