// An alert's moment as the event list shows it.
#pragma once

#include <cstdint>
#include <string>

// The local date and time texts of the regional settings for seconds since 1970 (UTC), joined
// by a space; empty when the moment cannot be converted.
std::string LocalDateTimeText(std::int32_t seconds);
