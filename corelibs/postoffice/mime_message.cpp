// The MIME parser: nested multiparts found by their delimiter lines, bounded by the limits.
#include "mime_message.h"

#include <cstdio>

#include "header_value.h"
#include "mail_limits.h"
#include "text_codec.h"

namespace postoffice {
namespace {

struct Delimiter {
    std::size_t lineBegin;  // the line break before the delimiter, or the line itself at the start
    std::size_t afterLine;  // first byte after the delimiter line
    bool close;
};

// Every delimiter line of boundary within [begin, end), up to and including the close one.
std::vector<Delimiter> FindDelimiters(
    std::string_view text, std::size_t begin, std::size_t end, const std::string& boundary)
{
    std::vector<Delimiter> found;
    std::string marker = "--" + boundary;
    std::size_t line = begin;
    while (line < end) {
        std::size_t next = text.find('\n', line);
        std::size_t lineEnd = next == std::string_view::npos || next >= end ? end : next + 1;
        if (lineEnd - line >= marker.size() && text.compare(line, marker.size(), marker) == 0) {
            std::size_t tail = line + marker.size();
            bool close = tail + 1 < lineEnd && text[tail] == '-' && text[tail + 1] == '-';
            if (close)
                tail += 2;
            bool onlySpace = true;
            for (std::size_t i = tail; i < lineEnd; ++i)
                if (text[i] != ' ' && text[i] != '\t' && text[i] != '\r' && text[i] != '\n')
                    onlySpace = false;
            if (onlySpace) {
                std::size_t lineBegin = line;
                if (lineBegin > begin && text[lineBegin - 1] == '\n') {
                    --lineBegin;
                    if (lineBegin > begin && text[lineBegin - 1] == '\r')
                        --lineBegin;
                }
                found.push_back({lineBegin, lineEnd, close});
                if (close)
                    break;
            }
        }
        line = lineEnd;
    }
    return found;
}

class Parser {
public:
    explicit Parser(std::string_view text) : m_text(text) { }

    MimeMessage Run()
    {
        m_message.lineBreak = LineBreakOf(m_text);
        if (m_text.size() > limits::kMaxMessageBytes) {
            Reject("the message is larger than the limit");
        } else if (ReadPart(0, m_text.size(), -1, 0, 0)) {
            for (std::size_t i = 0; i < m_message.parts.size(); ++i)
                if (IsAttachment(m_message.parts[i]))
                    m_message.attachments.push_back(static_cast<int>(i));
            m_message.readable = true;
        }
        return std::move(m_message);
    }

private:
    bool Reject(std::string why)
    {
        m_message.readable = false;
        m_message.failure = std::move(why);
        return false;
    }

    bool ReadPart(std::size_t begin, std::size_t end, int parent, int depth, std::size_t delimiterBegin)
    {
        if (depth > limits::kMaxDepth)
            return Reject("the parts are nested deeper than the limit");
        if (m_message.parts.size() >= limits::kMaxParts)
            return Reject("the message has more parts than the limit");
        MimePart part;
        part.parent = parent;
        part.depth = depth;
        part.begin = begin;
        part.end = end;
        part.delimiterBegin = delimiterBegin;
        part.header = ParseHeaderBlock(m_text, begin, end);
        if (!part.header.withinLimits)
            return Reject("a header is larger than the limit");
        part.bodyBegin = part.header.bodyBegin;
        Describe(part, parent);
        int index = static_cast<int>(m_message.parts.size());
        m_message.parts.push_back(part);
        if (parent >= 0)
            m_message.parts[parent].children.push_back(index);
        if (!m_message.parts[index].IsMultipart())
            return true;

        std::string boundary = m_message.parts[index].boundary;
        std::vector<Delimiter> delimiters = FindDelimiters(m_text, part.bodyBegin, end, boundary);
        std::size_t closeBegin = end;
        bool closed = false;
        std::vector<std::pair<std::size_t, std::size_t>> spans;  // part begin and delimiter line start
        for (std::size_t i = 0; i < delimiters.size(); ++i) {
            if (delimiters[i].close) {
                closeBegin = delimiters[i].lineBegin;
                closed = true;
                break;
            }
            spans.push_back({delimiters[i].afterLine, delimiters[i].lineBegin});
        }
        m_message.parts[index].closeBegin = closeBegin;
        m_message.parts[index].closed = closed;
        for (std::size_t i = 0; i < spans.size(); ++i) {
            std::size_t partEnd = i + 1 < spans.size() ? spans[i + 1].second : closeBegin;
            if (partEnd < spans[i].first)
                partEnd = spans[i].first;
            if (!ReadPart(spans[i].first, partEnd, index, depth + 1, spans[i].second))
                return false;
        }
        return true;
    }

    void Describe(MimePart& part, int parent)
    {
        const HeaderBlock& header = part.header;
        bool digest = parent >= 0 && m_message.parts[parent].subtype == "digest";
        if (digest) {
            part.type = "message";
            part.subtype = "rfc822";
        }
        StructuredValue type;
        if (const HeaderField* field = header.Find("Content-Type")) {
            type = ParseStructuredValue(field->value);
            std::size_t slash = type.value.find('/');
            if (slash != std::string::npos && slash > 0 && slash + 1 < type.value.size()) {
                part.type = type.value.substr(0, slash);
                part.subtype = type.value.substr(slash + 1);
            }
            if (const std::string* boundary = type.Param("boundary"))
                part.boundary = *boundary;
            if (part.boundary.size() > 200)
                part.boundary.clear();
        }
        if (const HeaderField* field = header.Find("Content-Transfer-Encoding"))
            part.encoding = ToLower(TrimSpace(field->value));
        StructuredValue disposition;
        if (const HeaderField* field = header.Find("Content-Disposition")) {
            disposition = ParseStructuredValue(field->value);
            part.disposition = disposition.value;
        }
        const std::string* name = disposition.Param("filename");
        if (!name)
            name = type.Param("name");
        if (name)
            part.name = CleanName(*name);
    }

    // Control bytes become '_' (a NUL would end the name early for a caller), and the name
    // is cut at the limit without splitting a UTF-8 sequence.
    static std::string CleanName(std::string name)
    {
        for (char& c : name)
            if (static_cast<unsigned char>(c) < 32 || c == 127)
                c = '_';
        if (name.size() > limits::kMaxNameBytes) {
            std::size_t cut = limits::kMaxNameBytes;
            while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80)
                --cut;
            name.resize(cut);
        }
        return std::string(TrimSpace(name));
    }

    bool IsAttachment(const MimePart& part) const
    {
        if (part.type == "multipart")
            return false;
        if (part.disposition == "attachment" || !part.name.empty())
            return true;
        // A body that is not text (a picture, a program, a forwarded message) is an
        // attachment even without a name; the message's own text is not.
        return part.type != "text";
    }

    std::string_view m_text;
    MimeMessage m_message;
};

}  // namespace

std::string MimeMessage::AttachmentName(std::size_t index) const
{
    if (index >= attachments.size())
        return {};
    const MimePart& part = parts[attachments[index]];
    if (!part.name.empty())
        return part.name;
    char generated[32];
    const char* extension = part.type == "message" ? "EML" : "DAT";
    std::snprintf(generated, sizeof generated, "ATT%05u.%s", static_cast<unsigned>(index + 1), extension);
    return generated;
}

MimeMessage ParseMimeMessage(std::string_view text)
{
    return Parser(text).Run();
}

std::optional<std::string> DecodePartBody(std::string_view text, const MimePart& part)
{
    if (part.end < part.bodyBegin || part.end > text.size())
        return std::nullopt;
    std::string_view body = text.substr(part.bodyBegin, part.end - part.bodyBegin);
    std::size_t limit = limits::kMaxDecodedBytes;
    if (body.size() * limits::kMaxDecodedRatio < limit)
        limit = body.size() * limits::kMaxDecodedRatio;
    if (part.encoding == "base64")
        return DecodeBase64(body, limit);
    if (part.encoding == "quoted-printable")
        return DecodeQuotedPrintable(body, limit);
    if (body.size() > limit)
        return std::nullopt;
    return std::string(body);  // 7bit, 8bit, binary, and any encoding not known here
}

}  // namespace postoffice
