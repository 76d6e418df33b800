// Splitting and rebuilding of TAB-separated row texts.
#include "column_text.h"

namespace {

constexpr char kTab = '\t';

// Start of field `column`, or npos when the text has fewer fields.
size_t FieldStart(std::string_view text, int column)
{
    size_t start = 0;
    for (int i = 0; i < column; ++i) {
        size_t tab = text.find(kTab, start);
        if (tab == std::string_view::npos)
            return std::string_view::npos;
        start = tab + 1;
    }
    return start;
}

}  // namespace

std::string ColumnText(std::string_view text, int column)
{
    if (column < 0)
        return {};
    size_t start = FieldStart(text, column);
    if (start == std::string_view::npos)
        return {};
    size_t end = text.find(kTab, start);
    return std::string(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
}

std::string ReplaceColumnText(std::string_view text, int column, std::string_view field)
{
    std::string result(text);
    if (column < 0)
        return result;
    size_t start = FieldStart(result, column);
    if (start == std::string::npos) {
        int fields = 1;
        for (char c : result)
            fields += c == kTab;
        result.append(static_cast<size_t>(column - fields + 1), kTab);
        result.append(field);
        return result;
    }
    size_t end = result.find(kTab, start);
    result.replace(start, end == std::string::npos ? std::string::npos : end - start, field);
    return result;
}
