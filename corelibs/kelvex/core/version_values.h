// The engine's own version and the encoding of versions and dates in the four version values.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvex {

// A version "M.mm" is held as (M + 18) * 100 + mm, so that it reads back as M.mm.
bool EncodeVersion(std::string_view text, uint16_t& out);
std::string VersionText(uint16_t value);
// A date "YYYY-MM-DD" (1980-2107) is packed as (year - 1980) << 9 | month << 5 | day.
bool EncodeDate(std::string_view text, uint16_t& out);
std::string DateText(uint16_t value);

constexpr uint16_t kEngineVersion = (1 + 18) * 100 + 0;  // 1.00
constexpr uint16_t kEngineDate = ((2026 - 1980) << 9) | (12 << 5) | 8;  // 2026-12-08

}  // namespace kelvex
