// Reading a report's text file line by line.
#include "text_file_source.h"

#include "report_text.h"

TextFileSource::TextFileSource(const std::string& path) : m_file(path, std::ios::binary)
{
}

bool TextFileSource::Empty() const
{
    return !m_file.is_open() || m_file.peek() == std::ifstream::traits_type::eof();
}

bool TextFileSource::Next(std::string& line)
{
    line.clear();
    if (!m_file.is_open())
        return false;
    using Traits = std::ifstream::traits_type;
    Traits::int_type c = m_file.get();
    if (c == Traits::eof())
        return false;
    while (c != Traits::eof() && c != '\n') {
        line.push_back(Traits::to_char_type(c));
        if (line.size() == report_text::kLineLimit) {
            // A full piece: its line end, when it follows at once, belongs to it, so that a
            // line of exactly the limit does not leave an empty piece behind.
            if (m_file.peek() == '\r')
                m_file.get();
            if (m_file.peek() == '\n')
                m_file.get();
            return true;
        }
        c = m_file.get();
    }
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return true;
}
