// TAB expansion, heading lines and underlines of printed reports.
#include "report_text.h"

#include <algorithm>

namespace report_text {

namespace {

// Appends `count` blanks without passing the line limit; false once the limit is reached.
bool AppendBlanks(std::string& out, std::size_t count)
{
    std::size_t room = kLineLimit - out.size();
    out.append(std::min(count, room), ' ');
    return out.size() < kLineLimit;
}

template <typename NextStop> std::string Expand(std::string_view line, NextStop nextStop)
{
    std::string out;
    out.reserve(std::min(line.size(), kLineLimit));
    for (char c : line) {
        if (out.size() >= kLineLimit)
            break;
        if (c != '\t') {
            out.push_back(c);
            continue;
        }
        std::size_t stop = nextStop(out.size());
        if (!AppendBlanks(out, stop - out.size()))
            break;
    }
    return out;
}

}  // namespace

std::string ExpandTabs(std::string_view line, int tabWidth)
{
    return Expand(line, [tabWidth](std::size_t column) {
        if (tabWidth < 1)
            return column + 1;
        std::size_t width = static_cast<std::size_t>(tabWidth);
        return (column / width + 1) * width;
    });
}

std::string ExpandTabsAtStops(std::string_view line, const std::vector<int>& stops)
{
    std::vector<int> sorted = stops;
    std::sort(sorted.begin(), sorted.end());
    return Expand(line, [&sorted](std::size_t column) {
        auto next = std::upper_bound(sorted.begin(), sorted.end(), static_cast<long long>(column),
            [](long long value, int stop) { return value < stop; });
        return next == sorted.end() ? column + 1 : static_cast<std::size_t>(*next);
    });
}

std::string HeadingLine(std::string_view title, std::string_view date, std::string_view time)
{
    std::string heading(title);
    heading.append(10, ' ');
    heading.append(date);
    heading.append(2, ' ');
    heading.append(time);
    if (heading.size() > kHeadingLimit)
        heading.resize(kHeadingLimit);
    return heading;
}

std::string Underline(std::string_view titles)
{
    return std::string(std::clamp(titles.size(), kUnderlineMinimum, kUnderlineMaximum), '-');
}

}  // namespace report_text
