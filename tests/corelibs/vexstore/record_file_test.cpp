// The envelope of the service's files: exact bytes, and every kind of damage refused.
#include <gtest/gtest.h>

#include "record_file.h"

namespace {

constexpr char kMagic[9] = "VXMTEST1";

std::vector<std::uint8_t> Sample()
{
    return EncodeRecordFile(kMagic, {7, {0xAA, 0xBB, 0xCC}});
}

}  // namespace

TEST(RecordFile, EncodesMagicSizeSerialPayloadAndCrc)
{
    const std::vector<std::uint8_t> bytes = Sample();
    // CRC-32 of the first 19 bytes, computed independently of zlib's table (polynomial 0xEDB88320).
    std::uint32_t crc = 0xFFFFFFFF;
    for (std::size_t i = 0; i + 4 < bytes.size(); ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    crc = ~crc;
    const std::vector<std::uint8_t> expected = {'V', 'X', 'M', 'T', 'E', 'S', 'T', '1', 3, 0, 0, 0, 7, 0, 0, 0, 0xAA,
        0xBB, 0xCC, std::uint8_t(crc), std::uint8_t(crc >> 8), std::uint8_t(crc >> 16), std::uint8_t(crc >> 24)};
    EXPECT_EQ(expected, bytes);
    const auto decoded = DecodeRecordFile(kMagic, bytes, 3);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(7u, decoded->serial);
    EXPECT_EQ((std::vector<std::uint8_t> {0xAA, 0xBB, 0xCC}), decoded->payload);
}

TEST(RecordFile, EmptyPayloadRoundTrips)
{
    const auto bytes = EncodeRecordFile(kMagic, {1, {}});
    EXPECT_EQ(kRecordFileOverhead, bytes.size());
    ASSERT_TRUE(DecodeRecordFile(kMagic, bytes, 0));
}

TEST(RecordFile, DamagedFilesAreRefused)
{
    const std::vector<std::uint8_t> good = Sample();
    EXPECT_FALSE(DecodeRecordFile("VXMTEST2", good, 100)) << "another magic";
    EXPECT_FALSE(DecodeRecordFile(kMagic, good, 2)) << "payload above the limit";
    EXPECT_FALSE(DecodeRecordFile(kMagic, std::vector<std::uint8_t>(good.begin(), good.begin() + 19), 100))
        << "shorter than the envelope";
    std::vector<std::uint8_t> truncated(good.begin(), good.end() - 1);
    EXPECT_FALSE(DecodeRecordFile(kMagic, truncated, 100)) << "truncated";
    std::vector<std::uint8_t> extended = good;
    extended.push_back(0);
    EXPECT_FALSE(DecodeRecordFile(kMagic, extended, 100)) << "extended";
    for (std::size_t i = 8; i < good.size(); ++i) {
        std::vector<std::uint8_t> flipped = good;
        flipped[i] ^= 0x01;
        EXPECT_FALSE(DecodeRecordFile(kMagic, flipped, 100)) << "bit flipped in byte " << i;
    }
    EXPECT_FALSE(DecodeRecordFile(kMagic, {}, 100));
}
