// Laying out report lines on pages.
#include "report_run.h"

#include <algorithm>

#include "report_text.h"

namespace {

bool BeginPage(ReportPageSink& sink, const ReportPageLayout& layout, ReportResult& result, int& row)
{
    if (!sink.StartPage())
        return false;
    ++result.pages;
    row = 0;
    for (const std::string& line : layout.heading)
        sink.DrawLine(row++, line);
    return true;
}

}  // namespace

std::string ReportRun::ExpandLine(const std::string& line, const ReportPageLayout& layout)
{
    return layout.tabStops.empty() ? report_text::ExpandTabs(line, layout.tabWidth)
                                   : report_text::ExpandTabsAtStops(line, layout.tabStops);
}

ReportResult ReportRun::Print(
    ReportLineSource& source, const ReportPageLayout& layout, ReportPageSink& sink, const KeepGoing& keepGoing)
{
    ReportResult result;
    if (source.Empty())
        return result;
    const int headingRows = static_cast<int>(layout.heading.size());
    const int bodyRows = std::max(1, layout.linesPerPage - headingRows);
    int row = 0;
    if (!BeginPage(sink, layout, result, row))
        return result;
    int bodyOnPage = 0;
    std::string line;
    for (;;) {
        if (keepGoing && !keepGoing())
            break;
        if (!source.Next(line)) {
            result.complete = true;
            break;
        }
        if (bodyOnPage == bodyRows) {
            sink.EndPage();
            if (!BeginPage(sink, layout, result, row))
                return result;
            bodyOnPage = 0;
        }
        sink.DrawLine(row++, ExpandLine(line, layout));
        ++bodyOnPage;
        ++result.lines;
    }
    sink.EndPage();
    return result;
}
