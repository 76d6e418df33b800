// Fuzzes row field splitting, field replacement and sort key comparison with arbitrary bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "column_text.h"
#include "sort_key.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2)
        return 0;
    const int column = data[0] % 12;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::string field = ColumnText(text, column);
    std::string replaced = ReplaceColumnText(text, column, "x\ty");
    // The replaced row holds the new text where the old field was.
    if (ColumnText(replaced, column) != "x")
        __builtin_trap();
    LeadByteTable lead;
    for (int b = 0x81; b <= 0xFE; b += 2)
        lead.set(b);
    int forward = CompareSortKeys(field, text, SortType::Text, SortDirection::Ascending, lead);
    int backward = CompareSortKeys(text, field, SortType::Text, SortDirection::Ascending, lead);
    if ((forward > 0) != (backward < 0))
        __builtin_trap();
    CompareSortKeys(field, text, SortType::Numeric, SortDirection::Descending);
    return 0;
}
