// Attachment changes by splicing the message's bytes at the places the parser found.
#include "message_rewrite.h"

#include <cstdint>
#include <cstdio>

#include "text_codec.h"

namespace postoffice {
namespace {

bool IsContentField(std::string_view name)
{
    return name.size() >= 8 && EqualsIgnoreCase(name.substr(0, 8), "Content-");
}

// A parameter value as a quoted string when it is plain printable ASCII, otherwise in the
// extended form with its UTF-8 bytes escaped (and as an encoded word for "name").
std::string NameParameters(std::string_view name)
{
    bool plain = !name.empty();
    for (unsigned char c : name)
        if (c < 32 || c > 126 || c == '"' || c == '\\')
            plain = false;
    return plain ? "\"" + std::string(name) + "\"" : std::string();
}

std::string PercentEncode(std::string_view name)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : name) {
        bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
            c == '-' || c == '_';
        if (safe) {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 15];
        }
    }
    return out;
}

std::string EncodedWord(std::string_view name)
{
    std::string out = "=?UTF-8?B?";
    std::string b64 = EncodeBase64Lines(name, "");
    out += b64;
    out += "?=";
    return out;
}

// A boundary that no line of the message can be mistaken for.
std::string NewBoundary(std::string_view text)
{
    std::uint32_t seed = 0x811C9DC5u;
    for (std::size_t i = 0; i < text.size(); i += 1 + text.size() / 4096)
        seed = (seed ^ static_cast<unsigned char>(text[i])) * 16777619u;
    for (std::uint32_t n = 0;; ++n) {
        char boundary[48];
        std::snprintf(
            boundary, sizeof boundary, "=_vxm_%08X_%u", static_cast<unsigned>(seed), static_cast<unsigned>(n));
        if (text.find(boundary) == std::string_view::npos)
            return boundary;
    }
}

// The message's header without its Content- fields, then the given fields.
std::string HeaderWith(std::string_view text, const HeaderBlock& header, std::string_view contentFields)
{
    std::string out;
    for (const HeaderField& field : header.fields)
        if (!IsContentField(field.name))
            out.append(text.substr(field.begin, field.end - field.begin));
    // A last field without a line break (a header that ran to the end) needs one now.
    if (!out.empty() && out.back() != '\n')
        out += LineBreakOf(text);
    out += contentFields;
    return out;
}

std::string ContentFieldsOf(std::string_view text, const HeaderBlock& header, std::string_view eol)
{
    std::string out;
    for (const HeaderField& field : header.fields)
        if (IsContentField(field.name)) {
            out.append(text.substr(field.begin, field.end - field.begin));
            if (out.back() != '\n')
                out += eol;
        }
    return out;
}

bool HasField(const HeaderBlock& header, std::string_view name)
{
    return header.Find(name) != nullptr;
}

std::string EmptyTextFields(std::string_view eol)
{
    return "Content-Type: text/plain; charset=us-ascii" + std::string(eol);
}

}  // namespace

std::string AttachmentPartText(std::string_view name, std::string_view bytes, std::string_view eol)
{
    std::string e(eol);
    std::string quoted = NameParameters(name);
    std::string out;
    if (!quoted.empty()) {
        out += "Content-Type: application/octet-stream; name=" + quoted + e;
        out += "Content-Disposition: attachment; filename=" + quoted + e;
    } else {
        out += "Content-Type: application/octet-stream; name=\"" + EncodedWord(name) + "\"" + e;
        out += "Content-Disposition: attachment;" + e + " filename*=UTF-8''" + PercentEncode(name) + e;
    }
    out += "Content-Transfer-Encoding: base64" + e + e;
    std::string body = EncodeBase64Lines(bytes, eol);
    // The line break after the last line belongs to the delimiter that follows.
    if (body.size() >= eol.size())
        body.resize(body.size() - eol.size());
    out += body;
    return out;
}

std::optional<std::string> DeleteAttachment(std::string_view text, const MimeMessage& message, std::size_t index)
{
    if (!message.readable || index >= message.attachments.size())
        return std::nullopt;
    std::string_view eol = message.lineBreak;
    const MimePart& part = message.parts[message.attachments[index]];
    if (part.parent < 0) {
        std::string out = HeaderWith(text, part.header, EmptyTextFields(eol));
        out += eol;
        return out;
    }
    const MimePart& parent = message.parts[part.parent];
    std::string out;
    if (parent.children.size() == 1) {
        // The only part: an empty text part keeps the multipart well formed.
        out.append(text.substr(0, part.begin));
        out += EmptyTextFields(eol);
        out += eol;
        out.append(text.substr(part.end));
        return out;
    }
    std::size_t next = parent.closeBegin;
    for (std::size_t i = 0; i + 1 < parent.children.size(); ++i)
        if (&message.parts[parent.children[i]] == &part)
            next = message.parts[parent.children[i + 1]].delimiterBegin;
    out.append(text.substr(0, part.delimiterBegin));
    out.append(text.substr(next));
    return out;
}

std::optional<std::string> ReplaceAttachment(
    std::string_view text, const MimeMessage& message, std::size_t index, std::string_view name, std::string_view bytes)
{
    if (!message.readable || index >= message.attachments.size())
        return std::nullopt;
    std::string_view eol = message.lineBreak;
    const MimePart& part = message.parts[message.attachments[index]];
    std::string partText = AttachmentPartText(name, bytes, eol);
    if (part.parent < 0) {
        std::size_t split = partText.find(std::string(eol) + std::string(eol));
        std::string out = HeaderWith(text, part.header, partText.substr(0, split + eol.size()));
        out += partText.substr(split + eol.size());
        out += eol;
        return out;
    }
    std::string out;
    out.append(text.substr(0, part.begin));
    out += partText;
    out.append(text.substr(part.end));
    return out;
}

std::optional<std::string> AddAttachment(
    std::string_view text, const MimeMessage& message, std::string_view name, std::string_view bytes)
{
    if (!message.readable)
        return std::nullopt;
    std::string_view eol = message.lineBreak;
    std::string e(eol);
    const MimePart& root = message.parts.front();
    std::string partText = AttachmentPartText(name, bytes, eol);
    if (root.IsMultipart() && root.subtype == "mixed") {
        std::string out;
        // The line break before a delimiter is the delimiter's, so one is always written.
        out.append(text.substr(0, root.closeBegin));
        out += e;
        out += "--" + root.boundary + e + partText;
        if (root.closed) {
            out.append(text.substr(root.closeBegin));
        } else {
            out += e + "--" + root.boundary + "--" + e;
        }
        return out;
    }
    // Anything else becomes the first part of a new multipart/mixed message.
    std::string boundary = NewBoundary(text);
    std::string fields = "Content-Type: multipart/mixed; boundary=\"" + boundary + "\"" + e;
    std::string out = HeaderWith(
        text, root.header, HasField(root.header, "MIME-Version") ? fields : "MIME-Version: 1.0" + e + fields);
    out += e;
    out += "--" + boundary + e;
    std::string oldFields = ContentFieldsOf(text, root.header, eol);
    out += oldFields.empty() ? EmptyTextFields(eol) : oldFields;
    out += e;
    std::string_view body = text.substr(root.bodyBegin);
    out.append(body);
    if (!body.empty() && body.back() != '\n')
        out += e;
    out += "--" + boundary + e + partText + e + "--" + boundary + "--" + e;
    return out;
}

}  // namespace postoffice
