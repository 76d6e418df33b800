// StringListSource: the lines of an in-memory list of strings, each cut to the line limit.
#pragma once

#include <string>
#include <vector>

#include "report_source.h"
#include "report_text.h"

class StringListSource : public ReportLineSource {
public:
    explicit StringListSource(const std::vector<std::string>& lines) : lines_(lines) {}

    bool Empty() const override { return lines_.empty(); }
    bool Next(std::string& line) override
    {
        if (next_ >= lines_.size())
            return false;
        line = lines_[next_++].substr(0, report_text::kLineLimit);
        return true;
    }

private:
    const std::vector<std::string>& lines_;
    std::size_t next_ = 0;
};
