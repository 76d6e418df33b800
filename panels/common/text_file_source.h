// TextFileSource: the lines of a text file, long lines in pieces of at most the line limit.
#pragma once

#include <fstream>
#include <string>

#include "report_source.h"

class TextFileSource : public ReportLineSource {
public:
    explicit TextFileSource(const std::string& path);

    bool IsOpen() const { return m_file.is_open(); }
    bool Empty() const override;
    bool Next(std::string& line) override;

private:
    mutable std::ifstream m_file;
};
