// The texts of the configuration dates: one per application, one for the port settings.
#pragma once

#include <cstdint>
#include <string>

// An application's date: the time of its last set and the set's serial, so two sets
// within the same second still differ. A never-set application reads "never set".
std::string ApplicationConfigDate(std::int64_t changedAt, std::uint32_t serial);

// PORT.CFG's date: its last-write time in 100-nanosecond units since 1601 and its size,
// so a rewrite by anyone shows. A missing file reads "no port settings".
std::string PortConfigDate(std::uint64_t writeTime100ns, std::uint64_t size);
inline constexpr const char* kNoPortSettings = "no port settings";
