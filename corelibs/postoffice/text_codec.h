// Transfer encodings and character sets of mail text: base64, quoted-printable, percent
// escapes and the conversion of the common single-byte sets to UTF-8.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace postoffice {

// Decodes base64, passing over line breaks and any byte outside the alphabet; stops at
// the first '='. Nothing when the output would pass the limit.
std::optional<std::string> DecodeBase64(std::string_view text, std::size_t limit);

// Base64 in lines of 76 characters, each ended by eol.
std::string EncodeBase64Lines(std::string_view bytes, std::string_view eol);

// Decodes quoted-printable: "=XX" escapes and soft line breaks; a malformed escape is
// kept as it stands. With inHeader (the Q form of encoded words) '_' stands for a space.
std::optional<std::string> DecodeQuotedPrintable(std::string_view text, std::size_t limit, bool inHeader = false);

// Quoted-printable in lines of at most 76 characters, hard line breaks written as eol.
std::string EncodeQuotedPrintable(std::string_view text, std::string_view eol);

// "%XX" escapes of extended parameter values; a malformed escape is kept.
std::string DecodePercent(std::string_view text);

// Bytes in the named character set as UTF-8: UTF-8 and US-ASCII pass, ISO-8859-1 and
// Windows-1252 are converted, any other set passes unchanged.
std::string CharsetToUtf8(std::string_view bytes, std::string_view charset);

std::string ToLower(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
std::string_view TrimSpace(std::string_view text);

}  // namespace postoffice
