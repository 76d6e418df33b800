// Reading the filter's state record into the state word's real-time bits.
#include "real_time_state.h"

#include "state_word.h"

std::uint32_t RealTimeBits(
    FilterAnswer answer, const vxmflt::FilterState& state, std::uint32_t bytesReturned, std::uint32_t previousBits)
{
    switch (answer) {
    case FilterAnswer::Absent: return 0;
    case FilterAnswer::Busy: return previousBits & kRealTimeMask;
    case FilterAnswer::Unreadable: return kRealTimeUnknown;
    case FilterAnswer::Answered: break;
    }
    // A later driver may grow the record; it must at least hold the fields we read.
    if (bytesReturned < sizeof(vxmflt::FilterState) || state.size < sizeof(vxmflt::FilterState))
        return kRealTimeUnknown;
    return state.realTimeOn == 1 ? kRealTimeActive : 0;
}
