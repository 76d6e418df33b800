// Byte-level codecs of mail text; every decoder is bounded by its caller's limit.
#include "text_codec.h"

#include <cstdint>

namespace postoffice {
namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

int Base64Value(unsigned char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Windows-1252's letters in 0x80..0x9F; 0 marks the five unassigned bytes, kept as C1 codes.
constexpr std::uint16_t kCp1252High[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030,
    0x0160, 0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122,
    0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

const char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

}  // namespace

std::string ToLower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

std::string_view TrimSpace(std::string_view text)
{
    auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    return text;
}

std::optional<std::string> DecodeBase64(std::string_view text, std::size_t limit)
{
    std::string out;
    out.reserve(text.size() / 4 * 3 < limit ? text.size() / 4 * 3 : limit);
    std::uint32_t bits = 0;
    int count = 0;
    for (unsigned char c : text) {
        if (c == '=')
            break;
        int value = Base64Value(c);
        if (value < 0)
            continue;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        if (++count == 4) {
            if (out.size() + 3 > limit)
                return std::nullopt;
            out += static_cast<char>(bits >> 16);
            out += static_cast<char>(bits >> 8);
            out += static_cast<char>(bits);
            bits = 0;
            count = 0;
        }
    }
    // A final group of two or three characters carries one or two bytes; one alone none.
    if (count >= 2) {
        bits <<= 6 * (4 - count);
        std::size_t extra = count == 2 ? 1 : 2;
        if (out.size() + extra > limit)
            return std::nullopt;
        out += static_cast<char>(bits >> 16);
        if (extra == 2)
            out += static_cast<char>(bits >> 8);
    }
    return out;
}

std::string EncodeBase64Lines(std::string_view bytes, std::string_view eol)
{
    std::string out;
    out.reserve(bytes.size() * 4 / 3 + bytes.size() / 57 * eol.size() + 8);
    std::size_t lineChars = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        std::uint32_t group = static_cast<unsigned char>(bytes[i]) << 16;
        std::size_t have = bytes.size() - i < 3 ? bytes.size() - i : 3;
        if (have > 1)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        if (have > 2)
            group |= static_cast<unsigned char>(bytes[i + 2]);
        out += kBase64Alphabet[(group >> 18) & 63];
        out += kBase64Alphabet[(group >> 12) & 63];
        out += have > 1 ? kBase64Alphabet[(group >> 6) & 63] : '=';
        out += have > 2 ? kBase64Alphabet[group & 63] : '=';
        lineChars += 4;
        if (lineChars == 76) {
            out += eol;
            lineChars = 0;
        }
    }
    if (lineChars > 0)
        out += eol;
    return out;
}

std::optional<std::string> DecodeQuotedPrintable(std::string_view text, std::size_t limit, bool inHeader)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (out.size() >= limit)
            return std::nullopt;
        char c = text[i];
        if (c == '_' && inHeader) {
            out += ' ';
        } else if (c != '=') {
            out += c;
        } else if (i + 2 < text.size() && text[i + 1] == '\r' && text[i + 2] == '\n') {
            i += 2;  // soft line break
        } else if (i + 1 < text.size() && text[i + 1] == '\n') {
            i += 1;
        } else if (i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += c;
        }
    }
    return out;
}

std::string EncodeQuotedPrintable(std::string_view text, std::string_view eol)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    std::size_t lineChars = 0;
    auto emit = [&](std::string_view piece) {
        if (lineChars + piece.size() > 75) {
            out += '=';
            out += eol;
            lineChars = 0;
        }
        out += piece;
        lineChars += piece.size();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        bool lineEnd = c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n');
        if (lineEnd) {
            if (c == '\r')
                ++i;
            out += eol;
            lineChars = 0;
            continue;
        }
        // A space or tab before a line end would be lost in transport: it is escaped.
        bool beforeEnd = i + 1 == text.size() || text[i + 1] == '\n' || text[i + 1] == '\r';
        bool plain = (c >= 33 && c <= 126 && c != '=') || ((c == ' ' || c == '\t') && !beforeEnd);
        if (plain) {
            char one[1] = {static_cast<char>(c)};
            emit(std::string_view(one, 1));
        } else {
            char escaped[3] = {'=', kHex[c >> 4], kHex[c & 15]};
            emit(std::string_view(escaped, 3));
        }
    }
    return out;
}

std::string DecodePercent(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 && HexValue(text[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string CharsetToUtf8(std::string_view bytes, std::string_view charset)
{
    std::string set = ToLower(TrimSpace(charset));
    bool latin1 = set == "iso-8859-1" || set == "iso8859-1" || set == "latin1" || set == "iso_8859-1";
    bool cp1252 = set == "windows-1252" || set == "cp1252";
    if (!latin1 && !cp1252)
        return std::string(bytes);
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        std::uint32_t code = c;
        if (cp1252 && c >= 0x80 && c <= 0x9F && kCp1252High[c - 0x80] != 0)
            code = kCp1252High[c - 0x80];
        AppendUtf8(out, code);
    }
    return out;
}

}  // namespace postoffice
