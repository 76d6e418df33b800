// A MIME message read into its tree of body parts, with its attachments in order.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "header_block.h"

namespace postoffice {

struct MimePart {
    int parent = -1;
    int depth = 0;
    std::size_t begin = 0;  // first byte of the part's header
    std::size_t bodyBegin = 0;  // first byte of its body
    std::size_t end = 0;  // after its body's last byte
    // Within a multipart parent: where this part's delimiter line starts, counting the line
    // break before it, which belongs to the delimiter.
    std::size_t delimiterBegin = 0;
    HeaderBlock header;
    std::string type = "text";  // lower case
    std::string subtype = "plain";
    std::string encoding = "7bit";  // lower case
    std::string disposition;  // lower case, empty when not given
    std::string name;  // attachment name, UTF-8, empty when none was given
    std::string boundary;  // multiparts only
    std::vector<int> children;
    std::size_t closeBegin = 0;  // multiparts: the close delimiter (its line break first)
    bool closed = false;  // multiparts: the close delimiter was present

    bool IsMultipart() const { return type == "multipart" && !boundary.empty(); }
};

struct MimeMessage {
    bool readable = false;
    std::string failure;  // why it is not readable
    std::vector<MimePart> parts;  // parts[0] is the message itself
    std::vector<int> attachments;  // indexes into parts, in the order of the message
    std::string_view lineBreak = "\r\n";

    const HeaderBlock& Header() const { return parts.front().header; }
    // The attachment's name, or a generated one ("ATT00001.DAT") when it has none.
    std::string AttachmentName(std::size_t index) const;
};

// Reads a message within the limits; a message beyond one is returned not readable.
MimeMessage ParseMimeMessage(std::string_view text);

// The decoded body of a part, within the decoded-size limits; nothing past them.
std::optional<std::string> DecodePartBody(std::string_view text, const MimePart& part);

}  // namespace postoffice
