// The real-time bits of the state word, from what the scan filter device answered.
#pragma once

#include <cstdint>

#include "vxmflt_ioctl.h"

enum class FilterAnswer {
    Answered,  // the query returned a state record
    Absent,  // no device: real-time scanning is off
    Busy,  // the device is held open by another program (the scanner opens it unshared)
    Unreadable,  // the device answered, but not with a state record we know
};

// Absent gives 0, a record with realTimeOn gives 0x1000 (0 without), an unreadable answer
// 0x2000; a busy device keeps the bits last known.
std::uint32_t RealTimeBits(
    FilterAnswer answer, const vxmflt::FilterState& state, std::uint32_t bytesReturned, std::uint32_t previousBits);
