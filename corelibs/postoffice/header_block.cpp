// Header parsing: field names, folding, and the header's end.
#include "header_block.h"

#include "mail_limits.h"
#include "text_codec.h"

namespace postoffice {
namespace {

bool IsFieldNameChar(char c)
{
    return c > 32 && c < 127 && c != ':';
}

// Length of the line starting at pos, its break included.
std::size_t LineLength(std::string_view text, std::size_t pos, std::size_t end)
{
    std::size_t i = pos;
    while (i < end && text[i] != '\n')
        ++i;
    return (i < end ? i + 1 : end) - pos;
}

bool IsBlankLine(std::string_view line)
{
    return line == "\n" || line == "\r\n" || line.empty();
}

}  // namespace

const HeaderField* HeaderBlock::Find(std::string_view name) const
{
    for (const HeaderField& field : fields)
        if (EqualsIgnoreCase(field.name, name))
            return &field;
    return nullptr;
}

std::string_view LineBreakOf(std::string_view text)
{
    std::size_t nl = text.find('\n');
    return nl != std::string_view::npos && nl > 0 && text[nl - 1] == '\r' ? "\r\n" : "\n";
}

HeaderBlock ParseHeaderBlock(std::string_view text, std::size_t begin, std::size_t end)
{
    HeaderBlock block;
    std::size_t pos = begin;
    std::size_t fieldsEnd = begin;  // the blank line does not count towards the header's size
    while (pos < end) {
        if (pos - begin > limits::kMaxHeaderBytes || block.fields.size() > limits::kMaxHeaderFields) {
            block.withinLimits = false;
            break;
        }
        std::size_t length = LineLength(text, pos, end);
        std::string_view line = text.substr(pos, length);
        if (IsBlankLine(line)) {
            block.hasBlankLine = true;
            pos += length;
            break;
        }
        bool continuation = line[0] == ' ' || line[0] == '\t';
        if (continuation && !block.fields.empty()) {
            HeaderField& last = block.fields.back();
            std::string_view more = line;
            while (!more.empty() && (more.back() == '\n' || more.back() == '\r'))
                more.remove_suffix(1);
            last.value += more;
            last.end = pos + length;
            pos += length;
            fieldsEnd = pos;
            continue;
        }
        std::size_t colon = 0;
        while (colon < line.size() && IsFieldNameChar(line[colon]))
            ++colon;
        if (colon == 0 || colon >= line.size() || line[colon] != ':')
            break;  // the body starts here
        HeaderField field;
        field.name = std::string(line.substr(0, colon));
        std::string_view value = line.substr(colon + 1);
        while (!value.empty() && (value.back() == '\n' || value.back() == '\r'))
            value.remove_suffix(1);
        field.value = std::string(value);
        field.begin = pos;
        field.end = pos + length;
        block.fields.push_back(std::move(field));
        pos += length;
        fieldsEnd = pos;
    }
    for (HeaderField& field : block.fields)
        field.value = std::string(TrimSpace(field.value));
    block.bodyBegin = pos;
    if (fieldsEnd - begin > limits::kMaxHeaderBytes || block.fields.size() > limits::kMaxHeaderFields)
        block.withinLimits = false;
    return block;
}

}  // namespace postoffice
