// The output gate at the documented limits themselves.
#include <gtest/gtest.h>

#include <zlib.h>

#include "archive_limits.h"
#include "member_output.h"

namespace torpin {
namespace {

class FailingSink final : public ByteSink {
public:
    bool write(const std::uint8_t*, std::size_t) override { return false; }
};

TEST(MemberOutput, TakesExactlyTheMemberLimitAndNotOneByteMore)
{
    std::vector<std::uint8_t> block(1024 * 1024, 0x41);
    NullSink sink;
    MemberOutput out(sink, limits::kMaxMemberBytes, limits::kMaxMemberBytes);
    for (std::uint64_t i = 0; i < limits::kMaxMemberBytes / block.size(); ++i)
        ASSERT_TRUE(out.write(block.data(), block.size()));
    EXPECT_EQ(out.written(), limits::kMaxMemberBytes);
    EXPECT_FALSE(out.write(block.data(), 1));
    EXPECT_EQ(out.status(), ExtractStatus::Limit);
    EXPECT_FALSE(out.write(block.data(), 0));  // stays failed
}

TEST(MemberOutput, RatioLimitAtItsEdge)
{
    const std::uint64_t packed = 10000;
    std::vector<std::uint8_t> block(packed * limits::kMaxRatio, 0);
    NullSink sink;
    MemberOutput out(sink, limits::kMaxMemberBytes, packed);
    ASSERT_TRUE(out.write(block.data(), block.size()));
    EXPECT_FALSE(out.write(block.data(), 1));
    EXPECT_EQ(out.status(), ExtractStatus::Limit);
}

TEST(MemberOutput, SmallOutputsPassTheRatioFloor)
{
    std::vector<std::uint8_t> block(limits::kRatioFloorBytes, 0);
    NullSink sink;
    MemberOutput out(sink, limits::kMaxMemberBytes, 1);
    EXPECT_TRUE(out.write(block.data(), block.size()));
    EXPECT_FALSE(out.write(block.data(), 1));
}

TEST(MemberOutput, HugePackedSizesDoNotOverflowTheRatio)
{
    std::vector<std::uint8_t> block(4096, 1);
    NullSink sink;
    MemberOutput out(sink, 4096, UINT64_MAX);
    EXPECT_TRUE(out.write(block.data(), block.size()));
    EXPECT_FALSE(out.write(block.data(), 1));
}

TEST(MemberOutput, ChecksumIsTheStandardCrc32)
{
    const std::uint8_t text[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    NullSink sink;
    MemberOutput out(sink, 100, 100);
    out.write(text, 4);
    out.write(text + 4, 5);
    EXPECT_EQ(out.crc(), 0xCBF43926u);
}

TEST(MemberOutput, SinkFailureIsReported)
{
    FailingSink sink;
    MemberOutput out(sink, 100, 100);
    const std::uint8_t b = 1;
    EXPECT_FALSE(out.write(&b, 1));
    EXPECT_EQ(out.status(), ExtractStatus::WriteFailed);
    EXPECT_EQ(out.written(), 0u);
}

}  // namespace
}  // namespace torpin
