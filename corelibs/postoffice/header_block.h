// The header block of a message or body part: its fields, unfolded, with their places.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace postoffice {

struct HeaderField {
    std::string name;  // as written
    std::string value;  // unfolded, leading and trailing white space removed
    std::size_t begin;  // offset of the field's first byte
    std::size_t end;  // offset after its last line break (folded lines included)
};

struct HeaderBlock {
    std::vector<HeaderField> fields;
    std::size_t bodyBegin = 0;  // offset of the body's first byte (after the blank line)
    bool hasBlankLine = false;  // false when the header ran to the end or into a non-field line
    bool withinLimits = true;

    // The first field of that name (any case), or null.
    const HeaderField* Find(std::string_view name) const;
};

// Reads the header starting at begin and ending no later than end. The header ends at
// the first empty line; a line that is neither a field nor a continuation also ends it and
// then starts the body, so a message without a blank line after its header keeps its body.
HeaderBlock ParseHeaderBlock(std::string_view text, std::size_t begin, std::size_t end);

// The line-break style of a text: "\r\n" when its first line ends so, otherwise "\n".
std::string_view LineBreakOf(std::string_view text);

}  // namespace postoffice
