// Report lines read from windows: a list box, a multi-line edit control and a column list.
#pragma once

#include <windows.h>

#include <string>

#include "report_source.h"

class CColList;

// The items of a list box, in order; each cut to the line limit.
class ListBoxSource : public ReportLineSource {
public:
    explicit ListBoxSource(HWND listBox) : m_listBox(listBox) { }
    bool Empty() const override;
    bool Next(std::string& line) override;

private:
    HWND m_listBox;
    int m_next = 0;
};

// The lines of a multi-line edit control; each cut to the line limit.
class EditSource : public ReportLineSource {
public:
    explicit EditSource(HWND edit) : m_edit(edit) { }
    bool Empty() const override;
    bool Next(std::string& line) override;

private:
    HWND m_edit;
    int m_next = 0;
};

// The row texts of a column list, in list order; each cut to the line limit.
class ColListSource : public ReportLineSource {
public:
    explicit ColListSource(const CColList& list) : m_list(list) { }
    bool Empty() const override;
    bool Next(std::string& line) override;

private:
    const CColList& m_list;
    int m_next = 0;
};
