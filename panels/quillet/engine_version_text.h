// How the Local Scanner shows the engine's and the signatures' version and date values.
#pragma once

#include <cstdint>
#include <string>

class LocaleFormat;

// "M.mm": the hundreds less 18 and the rest, so 1900 shows "1.00". A value below 1800 shows its
// hundreds as 0 rather than wrapping round.
std::string EngineVersionText(std::uint32_t value);
// A packed date (year since 1980 in the top seven bits, then month and day) in the locale's date format.
std::string EngineDateText(std::uint32_t value, const LocaleFormat& format);
