// StringListSource: the lines of an in-memory list of strings, each cut to the line limit.
#pragma once

#include <string>
#include <vector>

#include "report_source.h"
#include "report_text.h"

class StringListSource : public ReportLineSource {
public:
    explicit StringListSource(const std::vector<std::string>& lines) : m_lines(lines) { }

    bool Empty() const override { return m_lines.empty(); }
    bool Next(std::string& line) override
    {
        if (m_next >= m_lines.size())
            return false;
        line = m_lines[m_next++].substr(0, report_text::kLineLimit);
        return true;
    }

private:
    const std::vector<std::string>& m_lines;
    std::size_t m_next = 0;
};
