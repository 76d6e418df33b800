// The two sides of a printed report: where its lines come from and where its pages go.
#pragma once

#include <string>

// Lines of a report, one at a time, in order.
class ReportLineSource {
public:
    virtual ~ReportLineSource() = default;
    // Nothing to print at all.
    virtual bool Empty() const = 0;
    // The next line without its line end; false at the end.
    virtual bool Next(std::string& line) = 0;
};

// Pages of a report: a device or, in tests, a recorder.
class ReportPageSink {
public:
    virtual ~ReportPageSink() = default;
    // False when the device refuses the page: the report stops.
    virtual bool StartPage() = 0;
    // Draws `text` on line `row` (from 0, at the top) of the current page.
    virtual void DrawLine(int row, const std::string& text) = 0;
    virtual bool EndPage() = 0;
};
