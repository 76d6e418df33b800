// Reading a report's text file line by line.
#include "text_file_source.h"

#include "report_text.h"

TextFileSource::TextFileSource(const std::string& path) : file_(path, std::ios::binary) {}

bool TextFileSource::Empty() const
{
    return !file_.is_open() || file_.peek() == std::ifstream::traits_type::eof();
}

bool TextFileSource::Next(std::string& line)
{
    line.clear();
    if (!file_.is_open())
        return false;
    using Traits = std::ifstream::traits_type;
    Traits::int_type c = file_.get();
    if (c == Traits::eof())
        return false;
    while (c != Traits::eof() && c != '\n') {
        line.push_back(Traits::to_char_type(c));
        if (line.size() == report_text::kLineLimit) {
            // A full piece: its line end, when it follows at once, belongs to it, so that a
            // line of exactly the limit does not leave an empty piece behind.
            if (file_.peek() == '\r')
                file_.get();
            if (file_.peek() == '\n')
                file_.get();
            return true;
        }
        c = file_.get();
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}
