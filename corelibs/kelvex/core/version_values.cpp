// Encoding and decoding of the engine's version and date values.
#include "version_values.h"

#include <charconv>
#include <cstdio>

namespace kelvex {
namespace {

bool Number(std::string_view s, unsigned& out)
{
    if (s.empty())
        return false;
    auto [p, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && p == s.data() + s.size();
}

}  // namespace

bool EncodeVersion(std::string_view text, uint16_t& out)
{
    size_t dot = text.find('.');
    unsigned major = 0, minor = 0;
    if (dot == std::string_view::npos || text.size() - dot - 1 != 2)
        return false;
    if (!Number(text.substr(0, dot), major) || !Number(text.substr(dot + 1), minor))
        return false;
    // virus.lst and the scanner show a version in four characters: "M.mm".
    if (major > 9)
        return false;
    out = uint16_t((major + 18) * 100 + minor);
    return true;
}

std::string VersionText(uint16_t value)
{
    char buf[16];
    std::snprintf(
        buf, sizeof buf, "%u.%.2u", unsigned(value / 100 >= 18 ? value / 100 - 18 : 0), unsigned(value % 100));
    return buf;
}

bool EncodeDate(std::string_view text, uint16_t& out)
{
    unsigned y = 0, m = 0, d = 0;
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return false;
    if (!Number(text.substr(0, 4), y) || !Number(text.substr(5, 2), m) || !Number(text.substr(8, 2), d))
        return false;
    if (y < 1980 || y > 2107 || m < 1 || m > 12 || d < 1 || d > 31)
        return false;
    out = uint16_t((y - 1980) << 9 | m << 5 | d);
    return true;
}

std::string DateText(uint16_t value)
{
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04u-%02u-%02u", unsigned(value / 512 + 1980), unsigned(value / 32 % 16),
        unsigned(value % 32));
    return buf;
}

}  // namespace kelvex
