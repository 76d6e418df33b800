// ReportRun: lays the lines of a source out on pages, with the page heading on every page.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "report_source.h"

struct ReportPageLayout {
    // Lines on one page, the heading's lines included; a page always has room for one body line.
    int linesPerPage = 1;
    // Printed at the top of every page, as given.
    std::vector<std::string> heading;
    // TAB expansion of the body lines: stops every tabWidth characters, or, when tabStops is
    // not empty, at those character positions.
    int tabWidth = 8;
    std::vector<int> tabStops;
};

struct ReportResult {
    int lines = 0;  // body lines drawn
    int pages = 0;  // pages started
    bool complete = false;  // the whole source was printed
};

class ReportRun {
public:
    // Asked before each line is read; false stops the report after the lines drawn so far.
    using KeepGoing = std::function<bool()>;

    // Prints nothing for an empty source. Otherwise the last page is ended in every case, and
    // a new page is started only when a line is there to go on it.
    static ReportResult Print(
        ReportLineSource& source, const ReportPageLayout& layout, ReportPageSink& sink, const KeepGoing& keepGoing);

    // The TAB expansion the layout asks for.
    static std::string ExpandLine(const std::string& line, const ReportPageLayout& layout);
};
