// Records and counts as the Alert Service's writer leaves them, read back by the event viewer's code.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "alert_record_format.h"
#include "alert_table.h"
#include "memory_table_file.h"
#include "table_header.h"

namespace {

::AlertRecord ServiceRecord(const char* file, const char* text, int priority, std::int32_t time)
{
    ::AlertRecord record;
    record.eventFile = file;
    record.description = text;
    record.application = "VEXOMAR";
    record.priority = static_cast<std::int8_t>(priority);
    record.time = time;
    return record;
}

}  // namespace

TEST(AlertStoreCrossCheck, TheServicesRecordsAndCountsReadBack)
{
    MemoryTableFile file;
    AlertTable table(file);
    const int priorities[3] = {0, 2, 3};
    const char* names[3] = {"AL000001.EVT", "AL000002.EVT", "AL000003.EVT"};
    for (int i = 0; i < 3; ++i) {
        const auto slot = table.FindFreeSlot();
        ASSERT_TRUE(slot);
        ASSERT_EQ(static_cast<std::uint32_t>(i + 1), *slot);
        ASSERT_TRUE(table.WriteRecord(*slot, ServiceRecord(names[i], "Virus found", priorities[i], 1765000000 + i)));
        ASSERT_TRUE(table.CountRecord(priorities[i]));
    }

    ASSERT_EQ(4u * alert_table::kSlotSize, file.bytes.size());
    EXPECT_EQ(3, alert_table::RecordSlotCount(static_cast<std::int64_t>(file.bytes.size())));
    EXPECT_EQ((alert_table::HeaderCounts {1, 1, 1}), alert_table::ReadHeaderCounts(file.bytes.data()));
    for (int i = 0; i < 3; ++i) {
        const std::uint8_t* slot = file.bytes.data() + (i + 1) * alert_table::kSlotSize;
        ASSERT_TRUE(alert_table::SlotHoldsRecord(slot));
        const alert_table::Record record = alert_table::ReadRecord(slot);
        EXPECT_EQ(names[i], record.eventFile);
        EXPECT_EQ("Virus found", record.description);
        EXPECT_EQ("VEXOMAR", record.application);
        EXPECT_EQ(priorities[i], record.priority);
        EXPECT_EQ(1765000000 + i, record.time);
    }
}

TEST(AlertStoreCrossCheck, ASlotWeWriteDecodesInTheServicesReader)
{
    alert_table::Record ours;
    ours.eventFile = "AL000007.EVT";
    ours.description = "Scan finished";
    ours.application = "ALERT";
    ours.priority = 1;
    ours.time = -86400;
    Slot slot {};
    alert_table::WriteRecord(ours, slot.data());
    EXPECT_EQ(ServiceRecord("AL000007.EVT", "Scan finished", 1, -86400).Encode().size(), slot.size());
    const auto theirs = ::AlertRecord::Decode(slot);
    ASSERT_TRUE(theirs);
    EXPECT_EQ("AL000007.EVT", theirs->eventFile);
    EXPECT_EQ("Scan finished", theirs->description);
    EXPECT_EQ("ALERT", theirs->application);
    EXPECT_EQ(1, theirs->priority);
    EXPECT_EQ(-86400, theirs->time);
}

TEST(AlertStoreCrossCheck, AFreedSlotIsFreeForBoth)
{
    MemoryTableFile file;
    AlertTable table(file);
    ASSERT_TRUE(table.WriteRecord(*table.FindFreeSlot(), ServiceRecord("AL000001.EVT", "a", 2, 1)));
    ASSERT_TRUE(table.WriteRecord(*table.FindFreeSlot(), ServiceRecord("AL000002.EVT", "b", 2, 2)));
    // What the viewer's delete leaves: a zeroed slot.
    std::memset(file.bytes.data() + alert_table::kSlotSize, 0, alert_table::kSlotSize);
    EXPECT_FALSE(alert_table::SlotHoldsRecord(file.bytes.data() + alert_table::kSlotSize));
    EXPECT_EQ(1u, *table.FindFreeSlot());
}
