// ALRECORD.TBL's slots byte by byte: header counts, record fields, the delete rule, slot counts.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstring>

#include "alert_record_format.h"

using namespace alert_table;

namespace {

using Slot = std::array<std::uint8_t, kSlotSize>;

Slot SlotOf(std::initializer_list<std::pair<std::size_t, std::string>> texts)
{
    Slot slot {};
    for (const auto& [at, text] : texts)
        std::memcpy(slot.data() + at, text.data(), text.size());
    return slot;
}

}  // namespace

TEST(AlertRecordHeader, CountsAreSignedLittleEndianAtZeroFourAndEight)
{
    Slot header {};
    const std::uint8_t counts[12] = {0x03, 0, 0, 0, 0x00, 0x01, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF};
    std::memcpy(header.data(), counts, sizeof counts);
    const HeaderCounts read = ReadHeaderCounts(header.data());
    EXPECT_EQ(3, read.critical);
    EXPECT_EQ(256, read.warning);
    EXPECT_EQ(-1, read.informational);
    EXPECT_EQ(258, read.Sum());
}

TEST(AlertRecordHeader, WritingPutsTheThreeCountsAndZeroesTheRest)
{
    Slot header;
    header.fill(0xAA);
    WriteHeaderCounts({1, 0x01020304, 7}, header.data());
    const std::uint8_t expected[12] = {1, 0, 0, 0, 0x04, 0x03, 0x02, 0x01, 7, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(expected, header.data(), 12));
    for (std::size_t i = 12; i < kSlotSize; ++i)
        ASSERT_EQ(0, header[i]) << "byte " << i;
}

TEST(AlertRecordHeader, TheSumDoesNotOverflowThirtyTwoBits)
{
    const HeaderCounts counts {0x7FFFFFFF, 0x7FFFFFFF, 2};
    EXPECT_EQ(0xFFFFFFFFLL + 1, counts.Sum());
}

TEST(AlertRecordDelete, EachPrioritySelectsItsCount)
{
    EXPECT_EQ(0, CountIndexOfPriority(0));
    EXPECT_EQ(0, CountIndexOfPriority(1));
    EXPECT_EQ(1, CountIndexOfPriority(2));
    EXPECT_EQ(2, CountIndexOfPriority(3));
    EXPECT_EQ(-1, CountIndexOfPriority(4));
    EXPECT_EQ(-1, CountIndexOfPriority(-1));
    EXPECT_EQ(-1, CountIndexOfPriority(127));

    HeaderCounts counts {5, 6, 7};
    EXPECT_TRUE(DecreaseCountForPriority(counts, 1));
    EXPECT_EQ((HeaderCounts {4, 6, 7}), counts);
    EXPECT_TRUE(DecreaseCountForPriority(counts, 2));
    EXPECT_EQ((HeaderCounts {4, 5, 7}), counts);
    EXPECT_TRUE(DecreaseCountForPriority(counts, 3));
    EXPECT_EQ((HeaderCounts {4, 5, 6}), counts);
}

TEST(AlertRecordDelete, ACountAlreadyZeroStaysZeroAndOtherPrioritiesCountNowhere)
{
    HeaderCounts counts {0, 0, 0};
    EXPECT_FALSE(DecreaseCountForPriority(counts, 0));
    EXPECT_FALSE(DecreaseCountForPriority(counts, 2));
    EXPECT_FALSE(DecreaseCountForPriority(counts, 3));
    EXPECT_EQ((HeaderCounts {0, 0, 0}), counts);

    HeaderCounts negative {-4, 1, 1};
    EXPECT_FALSE(DecreaseCountForPriority(negative, 0));
    EXPECT_EQ(-4, negative.critical);

    HeaderCounts full {2, 2, 2};
    EXPECT_FALSE(DecreaseCountForPriority(full, 9));
    EXPECT_FALSE(DecreaseCountForPriority(full, -3));
    EXPECT_EQ((HeaderCounts {2, 2, 2}), full);
}

TEST(AlertRecordSlot, OnlyAlertAndItsNulMarkAUsedSlot)
{
    EXPECT_TRUE(SlotHoldsRecord(SlotOf({{0, std::string("ALERT\0", 6)}}).data()));
    EXPECT_FALSE(SlotHoldsRecord(Slot {}.data()));
    EXPECT_FALSE(SlotHoldsRecord(SlotOf({{0, "ALERTS"}}).data()));
    EXPECT_FALSE(SlotHoldsRecord(SlotOf({{0, std::string("alert\0", 6)}}).data()));
    EXPECT_FALSE(SlotHoldsRecord(SlotOf({{1, std::string("ALERT\0", 6)}}).data()));
}

TEST(AlertRecordSlot, FieldsAreReadFromTheirOffsetsWithTheTimeUnaligned)
{
    Slot slot = SlotOf({{0, std::string("ALERT\0", 6)}, {6, "AL000042.EVT"}, {19, "Virus found in C:\\TEMP\\A.EXE"},
        {147, "VEXOMAR"}});
    slot[156] = 2;
    // 0x693A2B1C, least significant byte first, starting at the odd offset 157.
    slot[157] = 0x1C;
    slot[158] = 0x2B;
    slot[159] = 0x3A;
    slot[160] = 0x69;
    const Record record = ReadRecord(slot.data());
    EXPECT_EQ("AL000042.EVT", record.eventFile);
    EXPECT_EQ("Virus found in C:\\TEMP\\A.EXE", record.description);
    EXPECT_EQ("VEXOMAR", record.application);
    EXPECT_EQ(2, record.priority);
    EXPECT_EQ(0x693A2B1C, record.time);
}

TEST(AlertRecordSlot, PriorityAndTimeAreSigned)
{
    Slot slot = SlotOf({{0, std::string("ALERT\0", 6)}});
    slot[156] = 0xFF;
    std::memset(slot.data() + 157, 0xFF, 4);
    const Record record = ReadRecord(slot.data());
    EXPECT_EQ(-1, record.priority);
    EXPECT_EQ(-1, record.time);
}

TEST(AlertRecordSlot, FieldsWithoutANulStopAtTheirEnd)
{
    Slot slot;
    slot.fill('x');
    std::memcpy(slot.data(), "ALERT\0", 6);
    const Record record = ReadRecord(slot.data());
    EXPECT_EQ(std::string(13, 'x'), record.eventFile);
    EXPECT_EQ(std::string(128, 'x'), record.description);
    EXPECT_EQ(std::string(9, 'x'), record.application);
}

TEST(AlertRecordSlot, WritingGivesTheExactBytes)
{
    Record record;
    record.eventFile = "AL000001.EVT";
    record.description = "Disk full";
    record.application = "ALERT";
    record.priority = 3;
    record.time = 1765000000;  // 0x6933C340
    Slot slot;
    slot.fill(0xEE);
    WriteRecord(record, slot.data());

    Slot expected = SlotOf({{0, std::string("ALERT\0", 6)}, {6, "AL000001.EVT"}, {19, "Disk full"}, {147, "ALERT"}});
    expected[156] = 3;
    expected[157] = 0x40;
    expected[158] = 0xC3;
    expected[159] = 0x33;
    expected[160] = 0x69;
    EXPECT_EQ(expected, slot);
}

TEST(AlertRecordSlot, LongTextsAreCutToKeepTheirNul)
{
    Record record;
    record.eventFile = std::string(20, 'f');
    record.description = std::string(300, 'd');
    record.application = "VERYLONGAPPLICATION";
    Slot slot {};
    WriteRecord(record, slot.data());
    EXPECT_EQ(0, slot[6 + 12]);
    EXPECT_EQ(0, slot[19 + 127]);
    EXPECT_EQ(0, slot[147 + 8]);
    const Record back = ReadRecord(slot.data());
    EXPECT_EQ(std::string(12, 'f'), back.eventFile);
    EXPECT_EQ(std::string(127, 'd'), back.description);
    EXPECT_EQ("VERYLONG", back.application);
}

TEST(AlertRecordSlot, SlotCountIsLengthOverTwoFiftySixLessTheHeader)
{
    EXPECT_EQ(0, RecordSlotCount(0));
    EXPECT_EQ(0, RecordSlotCount(100));
    EXPECT_EQ(0, RecordSlotCount(256));
    EXPECT_EQ(0, RecordSlotCount(511));
    EXPECT_EQ(1, RecordSlotCount(512));
    EXPECT_EQ(1, RecordSlotCount(767));
    EXPECT_EQ(3, RecordSlotCount(1024));
    EXPECT_EQ(0x7FFFFFFF, RecordSlotCount(256LL * 0x80000000LL));
}
