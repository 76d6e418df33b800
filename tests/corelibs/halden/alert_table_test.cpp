// Record slots, the header counts and adding alerts to the record table.
#include "alert_table.h"

#include <cstring>

#include <gtest/gtest.h>

#include "byte_order.h"
#include "memory_table_file.h"

namespace {

AlertRecord Sample(std::int8_t priority = 1)
{
    AlertRecord record;
    record.eventFile = "AL000001.EVT";
    record.description = "Manager Detected a Virus [Ripper] in [C:\\X.EXE] - [PC]/[ann].";
    record.application = "VEXOMAR";
    record.priority = priority;
    record.time = 0x12345678;
    return record;
}

Slot TaggedSlot()
{
    return Sample().Encode();
}

TEST(AlertRecordSlot, FieldsLieAtTheirOffsets)
{
    const Slot slot = Sample(2).Encode();
    EXPECT_EQ(0, std::memcmp(slot.data(), "ALERT\0", 6));
    EXPECT_STREQ("AL000001.EVT", reinterpret_cast<const char*>(slot.data() + 6));
    EXPECT_STREQ("Manager Detected a Virus [Ripper] in [C:\\X.EXE] - [PC]/[ann].",
        reinterpret_cast<const char*>(slot.data() + 19));
    EXPECT_STREQ("VEXOMAR", reinterpret_cast<const char*>(slot.data() + 147));
    EXPECT_EQ(2, slot[156]);
    EXPECT_EQ(0x78, slot[157]);
    EXPECT_EQ(0x12, slot[160]);
    for (std::size_t i = 161; i < 256; ++i)
        EXPECT_EQ(0, slot[i]) << i;
}

TEST(AlertRecordSlot, LongTextsAreCutAndStayTerminated)
{
    AlertRecord record = Sample();
    record.description = std::string(300, 'd');
    record.application = "TOOLONGNAME";
    record.eventFile = "VERYLONGNAME.EVENT";
    const Slot slot = record.Encode();
    EXPECT_EQ(0, slot[19 + 127]);
    EXPECT_EQ(0, slot[147 + 8]);
    EXPECT_EQ(0, slot[6 + 12]);
    const auto decoded = AlertRecord::Decode(slot);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(std::string(127, 'd'), decoded->description);
    EXPECT_EQ("TOOLONGN", decoded->application);
    EXPECT_EQ("VERYLONGNAME", decoded->eventFile);
}

TEST(AlertRecordSlot, OnlyTheFullTagMarksARecord)
{
    Slot slot = TaggedSlot();
    EXPECT_TRUE(AlertRecord::Decode(slot));
    slot[0] = 0;
    EXPECT_FALSE(AlertRecord::Decode(slot));
    slot = TaggedSlot();
    slot[5] = 'S';  // "ALERTS" is not the tag
    EXPECT_FALSE(SlotHoldsRecord(slot));
}

TEST(TableHeader, PrioritiesSelectTheirCounts)
{
    TableHeader header;
    for (int priority : {0, 1, 2, 3, 3, 4, -1, 127})
        header.Count(priority);
    EXPECT_EQ(2, header.critical);
    EXPECT_EQ(1, header.warning);
    EXPECT_EQ(2, header.informational);
    const Slot slot = header.Encode();
    EXPECT_EQ(2u, GetU32(slot.data()));
    EXPECT_EQ(1u, GetU32(slot.data() + 4));
    EXPECT_EQ(2u, GetU32(slot.data() + 8));
    header.critical = INT32_MAX;
    header.Count(0);
    EXPECT_EQ(INT32_MAX, header.critical);
}

TEST(AlertTable, EmptyFileGetsAZeroHeaderAndTheFirstSlot)
{
    MemoryTableFile file;
    AlertTable table(file);
    const auto slot = table.FindFreeSlot();
    ASSERT_TRUE(slot);
    EXPECT_EQ(1u, *slot);
    EXPECT_EQ(std::vector<std::uint8_t>(256, 0), file.bytes);
}

TEST(AlertTable, FreeSlotBetweenRecordsIsReused)
{
    MemoryTableFile file;
    file.bytes.assign(256, 0);
    for (int i = 0; i < 3; ++i) {
        const Slot slot = TaggedSlot();
        file.bytes.insert(file.bytes.end(), slot.begin(), slot.end());
    }
    file.bytes[2 * 256] = 0;  // the second record was deleted
    AlertTable table(file);
    EXPECT_EQ(2u, table.FindFreeSlot().value());
    file.bytes[2 * 256] = 'A';
    EXPECT_EQ(4u, table.FindFreeSlot().value());
}

TEST(AlertTable, TornLastSlotIsOverwritten)
{
    MemoryTableFile file;
    file.bytes.assign(256, 0);
    const Slot slot = TaggedSlot();
    file.bytes.insert(file.bytes.end(), slot.begin(), slot.end());
    file.bytes.resize(file.bytes.size() + 100, 'A');
    AlertTable table(file);
    EXPECT_EQ(2u, table.FindFreeSlot().value());
}

TEST(AlertTable, ShortHeaderIsRebuiltAsZero)
{
    MemoryTableFile file;
    file.bytes.assign(10, 0xFF);
    AlertTable table(file);
    EXPECT_EQ(1u, table.FindFreeSlot().value());
    const auto header = table.ReadHeader();
    ASSERT_TRUE(header);
    EXPECT_EQ(0, header->critical);
    EXPECT_EQ(0, header->informational);
}

TEST(AlertTable, RecordBodyIsWrittenBeforeItsTag)
{
    MemoryTableFile file;
    file.bytes.assign(512, 0);
    AlertTable table(file);
    ASSERT_TRUE(table.WriteRecord(1, Sample()));
    ASSERT_EQ(3u, file.writes.size());
    EXPECT_EQ(std::make_pair(std::uint64_t {256}, std::size_t {1}), file.writes[0]);
    EXPECT_EQ(std::make_pair(std::uint64_t {257}, std::size_t {255}), file.writes[1]);
    EXPECT_EQ(std::make_pair(std::uint64_t {256}, std::size_t {1}), file.writes[2]);
    const Slot expected = Sample().Encode();
    EXPECT_EQ(std::vector<std::uint8_t>(expected.begin(), expected.end()),
        std::vector<std::uint8_t>(file.bytes.begin() + 256, file.bytes.end()));
    EXPECT_FALSE(table.WriteRecord(0, Sample()));
}

TEST(AlertTable, CountingChangesOnlyTheThreeCounts)
{
    MemoryTableFile file;
    file.bytes.assign(256, 0);
    file.bytes[12] = 0x5A;  // not ours to clear
    PutU32(file.bytes.data() + 4, 7);
    AlertTable table(file);
    ASSERT_TRUE(table.CountRecord(2));
    ASSERT_TRUE(table.CountRecord(1));
    EXPECT_EQ(1u, GetU32(file.bytes.data()));
    EXPECT_EQ(8u, GetU32(file.bytes.data() + 4));
    EXPECT_EQ(0u, GetU32(file.bytes.data() + 8));
    EXPECT_EQ(0x5A, file.bytes[12]);
}

}  // namespace

namespace {

TEST(AlertTable, SearchCrossesReadBlocks)
{
    MemoryTableFile file;
    file.bytes.assign(256, 0);
    const Slot record = TaggedSlot();
    for (int i = 0; i < 200; ++i)
        file.bytes.insert(file.bytes.end(), record.begin(), record.end());
    file.bytes[150 * 256] = 0;
    AlertTable table(file);
    EXPECT_EQ(150u, table.FindFreeSlot().value());
    file.bytes[150 * 256] = 'A';
    EXPECT_EQ(201u, table.FindFreeSlot().value());
}

}  // namespace
