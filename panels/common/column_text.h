// TAB-separated row texts of the column list: field extraction and replacement.
#pragma once

#include <string>
#include <string_view>

// Field `column` (counted from 0) of a row text: the text between the column-th TAB and the
// next one, or the end. A column beyond the last field, or a negative one, yields "".
std::string ColumnText(std::string_view text, int column);

// Replaces field `column` and keeps the others. A row with fewer fields is padded with empty
// fields up to the column, so that the new text lands in its own column.
std::string ReplaceColumnText(std::string_view text, int column, std::string_view field);
