// One record line per shown message window.
#include "shown_message_record.h"

namespace shown_message_record {

namespace {

void AppendEscaped(std::string& out, const std::string& text)
{
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default: out += c; break;
        }
    }
}

}  // namespace

std::string Line(const std::string& caption, const std::string& text)
{
    std::string line;
    AppendEscaped(line, caption);
    line += '\t';
    AppendEscaped(line, text);
    line += "\r\n";
    return line;
}

}  // namespace shown_message_record
