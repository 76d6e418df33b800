// Report lines read from windows: a list box, a multi-line edit control and a column list.
#pragma once

#include <windows.h>

#include <string>

#include "report_source.h"

class CColList;

// The items of a list box, in order; each cut to the line limit.
class ListBoxSource : public ReportLineSource {
public:
    explicit ListBoxSource(HWND listBox) : listBox_(listBox) {}
    bool Empty() const override;
    bool Next(std::string& line) override;

private:
    HWND listBox_;
    int next_ = 0;
};

// The lines of a multi-line edit control; each cut to the line limit.
class EditSource : public ReportLineSource {
public:
    explicit EditSource(HWND edit) : edit_(edit) {}
    bool Empty() const override;
    bool Next(std::string& line) override;

private:
    HWND edit_;
    int next_ = 0;
};

// The row texts of a column list, in list order; each cut to the line limit.
class ColListSource : public ReportLineSource {
public:
    explicit ColListSource(const CColList& list) : list_(list) {}
    bool Empty() const override;
    bool Next(std::string& line) override;

private:
    const CColList& list_;
    int next_ = 0;
};
