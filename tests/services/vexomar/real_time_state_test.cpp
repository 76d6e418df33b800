// The real-time bits from the filter device's answer.
#include <gtest/gtest.h>

#include "real_time_state.h"
#include "state_word.h"

namespace {

vxmflt::FilterState Record(std::uint32_t on)
{
    vxmflt::FilterState state {};
    state.size = sizeof state;
    state.realTimeOn = on;
    return state;
}

}  // namespace

TEST(RealTimeState, AMissingDeviceMeansRealTimeOff)
{
    EXPECT_EQ(0u, RealTimeBits(FilterAnswer::Absent, {}, 0, kRealTimeActive));
}

TEST(RealTimeState, TheRecordSaysWhetherTheFilterWatches)
{
    EXPECT_EQ(kRealTimeActive, RealTimeBits(FilterAnswer::Answered, Record(1), 32, 0));
    EXPECT_EQ(0u, RealTimeBits(FilterAnswer::Answered, Record(0), 32, kRealTimeActive));
}

TEST(RealTimeState, ShortOrStrangeAnswersAreUnknown)
{
    EXPECT_EQ(kRealTimeUnknown, RealTimeBits(FilterAnswer::Answered, Record(1), 31, 0));
    vxmflt::FilterState small = Record(1);
    small.size = 16;
    EXPECT_EQ(kRealTimeUnknown, RealTimeBits(FilterAnswer::Answered, small, 32, 0));
    EXPECT_EQ(kRealTimeUnknown, RealTimeBits(FilterAnswer::Unreadable, {}, 0, 0));
}

TEST(RealTimeState, ABusyDeviceKeepsTheLastKnownBits)
{
    EXPECT_EQ(kRealTimeActive, RealTimeBits(FilterAnswer::Busy, {}, 0, kStateRunning | kJobDone | kRealTimeActive));
    EXPECT_EQ(0u, RealTimeBits(FilterAnswer::Busy, {}, 0, kStateRunning));
}
