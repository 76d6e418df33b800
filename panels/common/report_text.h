// Text of printed reports: TAB expansion, the heading line and the column titles' underline.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace report_text {

// A printed line holds at most this many characters, after reading and after TAB expansion.
constexpr std::size_t kLineLimit = 2047;
// The heading line holds at most this many characters.
constexpr std::size_t kHeadingLimit = 255;
// The underline below the column titles is never shorter or longer than these.
constexpr std::size_t kUnderlineMinimum = 80;
constexpr std::size_t kUnderlineMaximum = 2048;

// Replaces each TAB by blanks up to the next multiple of `tabWidth`; a width below 1
// turns each TAB into one blank. The result is cut at kLineLimit characters.
std::string ExpandTabs(std::string_view line, int tabWidth);

// Replaces each TAB by blanks up to the first of `stops` (character positions, in any order)
// beyond the current position; past the last stop a TAB becomes one blank. Cut at kLineLimit.
std::string ExpandTabsAtStops(std::string_view line, const std::vector<int>& stops);

// "<title>          <date>  <time>", cut at kHeadingLimit characters.
std::string HeadingLine(std::string_view title, std::string_view date, std::string_view time);

// '-' characters as long as `titles`, within the minimum and the maximum.
std::string Underline(std::string_view titles);

}  // namespace report_text
