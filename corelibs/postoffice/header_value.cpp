// Encoded words and parameter lists of header values.
#include "header_value.h"

#include <cstdlib>
#include <vector>

#include "mail_limits.h"
#include "text_codec.h"

namespace postoffice {
namespace {

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One encoded word starting at pos; on success its decoded text and its length.
bool DecodeWordAt(std::string_view text, std::size_t pos, std::string& decoded, std::size_t& length)
{
    if (text.compare(pos, 2, "=?") != 0)
        return false;
    std::size_t q1 = text.find('?', pos + 2);
    if (q1 == std::string_view::npos || q1 + 2 >= text.size() || text[q1 + 2] != '?')
        return false;
    char encoding = text[q1 + 1];
    std::size_t close = text.find("?=", q1 + 3);
    if (close == std::string_view::npos)
        return false;
    std::string_view charset = text.substr(pos + 2, q1 - pos - 2);
    std::string_view payload = text.substr(q1 + 3, close - q1 - 3);
    if (charset.empty() || payload.find_first_of(" \t") != std::string_view::npos)
        return false;
    std::size_t star = charset.find('*');  // a language tag after the set
    if (star != std::string_view::npos)
        charset = charset.substr(0, star);
    std::optional<std::string> bytes;
    if (encoding == 'B' || encoding == 'b')
        bytes = DecodeBase64(payload, limits::kMaxHeaderBytes);
    else if (encoding == 'Q' || encoding == 'q')
        bytes = DecodeQuotedPrintable(payload, limits::kMaxHeaderBytes, true);
    if (!bytes)
        return false;
    decoded = CharsetToUtf8(*bytes, charset);
    length = close + 2 - pos;
    return true;
}

struct Section {
    int number;
    bool extended;
    std::string text;
};

}  // namespace

std::string DecodeEncodedWords(std::string_view value)
{
    std::string out;
    std::size_t pos = 0;
    bool lastWasWord = false;
    std::size_t pendingSpaceBegin = std::string::npos;
    while (pos < value.size()) {
        std::string decoded;
        std::size_t length = 0;
        if (DecodeWordAt(value, pos, decoded, length)) {
            // Space between two encoded words is not part of the text.
            if (pendingSpaceBegin != std::string::npos && !lastWasWord)
                out.append(value.substr(pendingSpaceBegin, pos - pendingSpaceBegin));
            out += decoded;
            pos += length;
            lastWasWord = true;
            pendingSpaceBegin = std::string::npos;
            continue;
        }
        if (IsSpace(value[pos])) {
            if (pendingSpaceBegin == std::string::npos)
                pendingSpaceBegin = pos;
            ++pos;
            continue;
        }
        if (pendingSpaceBegin != std::string::npos)
            out.append(value.substr(pendingSpaceBegin, pos - pendingSpaceBegin));
        pendingSpaceBegin = std::string::npos;
        lastWasWord = false;
        out += value[pos++];
    }
    if (pendingSpaceBegin != std::string::npos)
        out.append(value.substr(pendingSpaceBegin));
    return out;
}

const std::string* StructuredValue::Param(std::string_view name) const
{
    auto found = params.find(std::string(name));
    return found == params.end() ? nullptr : &found->second;
}

StructuredValue ParseStructuredValue(std::string_view text)
{
    StructuredValue result;
    std::vector<std::pair<std::string, std::string>> raw;  // name as written (lower case), value
    std::vector<bool> quoted;
    std::size_t pos = 0;
    auto skipSpaceAndComments = [&] {
        while (pos < text.size()) {
            if (IsSpace(text[pos])) {
                ++pos;
            } else if (text[pos] == '(') {
                int depth = 0;
                while (pos < text.size()) {
                    if (text[pos] == '\\')
                        ++pos;
                    else if (text[pos] == '(')
                        ++depth;
                    else if (text[pos] == ')' && --depth == 0) {
                        ++pos;
                        break;
                    }
                    ++pos;
                }
            } else {
                break;
            }
        }
    };
    auto readToken = [&](std::string_view stops) {
        std::string token;
        while (pos < text.size() && stops.find(text[pos]) == std::string_view::npos && !IsSpace(text[pos]) &&
            text[pos] != '(')
            token += text[pos++];
        return token;
    };
    skipSpaceAndComments();
    result.value = ToLower(readToken(";"));
    while (pos < text.size()) {
        skipSpaceAndComments();
        if (pos < text.size() && text[pos] == ';')
            ++pos;
        skipSpaceAndComments();
        std::string name = ToLower(readToken("=;"));
        skipSpaceAndComments();
        if (pos >= text.size() || text[pos] != '=') {
            if (name.empty() && pos < text.size() && text[pos] != ';')
                ++pos;  // stray byte
            continue;
        }
        ++pos;
        skipSpaceAndComments();
        std::string value;
        bool wasQuoted = false;
        if (pos < text.size() && text[pos] == '"') {
            wasQuoted = true;
            ++pos;
            while (pos < text.size() && text[pos] != '"') {
                if (text[pos] == '\\' && pos + 1 < text.size())
                    ++pos;
                value += text[pos++];
            }
            if (pos < text.size())
                ++pos;
        } else {
            value = readToken(";");
        }
        if (!name.empty()) {
            raw.emplace_back(name, value);
            quoted.push_back(wasQuoted);
        }
    }

    // Join "name*N" and "name*N*" sections; "name*" alone is a single extended section.
    std::map<std::string, std::vector<Section>> sectioned;
    std::map<std::string, std::string> plain;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::string& name = raw[i].first;
        std::size_t star = name.find('*');
        if (star == std::string::npos) {
            if (!plain.count(name))
                plain[name] = quoted[i] ? raw[i].second : raw[i].second;
            continue;
        }
        std::string base = name.substr(0, star);
        std::string rest = name.substr(star + 1);
        Section section {0, false, raw[i].second};
        if (rest.empty()) {
            section.extended = true;
        } else {
            bool extended = rest.back() == '*';
            if (extended)
                rest.pop_back();
            if (rest.empty() || rest.size() > 3 || rest.find_first_not_of("0123456789") != std::string::npos)
                continue;
            section.number = std::atoi(rest.c_str());
            section.extended = extended;
        }
        sectioned[base].push_back(section);
    }
    for (auto& [base, sections] : sectioned) {
        std::vector<const Section*> ordered(sections.size(), nullptr);
        std::string charset;
        std::string bytes;
        bool complete = true;
        for (const Section& s : sections)
            if (s.number >= 0 && static_cast<std::size_t>(s.number) < ordered.size() && !ordered[s.number])
                ordered[s.number] = &s;
        for (std::size_t n = 0; n < ordered.size(); ++n) {
            if (!ordered[n]) {
                complete = n > 0;
                break;
            }
            std::string_view piece = ordered[n]->text;
            if (ordered[n]->extended) {
                if (n == 0) {
                    // charset'language'value
                    std::size_t a = piece.find('\'');
                    std::size_t b = a == std::string_view::npos ? a : piece.find('\'', a + 1);
                    if (b != std::string_view::npos) {
                        charset = std::string(piece.substr(0, a));
                        piece = piece.substr(b + 1);
                    }
                }
                bytes += DecodePercent(piece);
            } else {
                bytes += piece;
            }
        }
        if (complete && (!bytes.empty() || !ordered.empty()))
            result.params[base] = CharsetToUtf8(bytes, charset);
    }
    for (auto& [name, value] : plain)
        if (!result.params.count(name))
            result.params[name] = DecodeEncodedWords(value);
    return result;
}

}  // namespace postoffice
