// The broadcast/event-log record's names and the print queue record's fields, byte for byte.
#include <gtest/gtest.h>

#include <cstring>

#include "broadcast_record.h"
#include "ticket_record.h"

namespace {

BroadcastRecord Stored(const char* text)
{
    BroadcastRecord record = {};
    std::strncpy(record.name, text, sizeof record.name);
    return record;
}

}  // namespace

TEST(BroadcastRecordNames, DomainsLoseTheirStarAndGetItBack)
{
    EXPECT_EQ("WORKGROUP", broadcast_record::DisplayName(Stored("WORKGROUP*")));
    EXPECT_EQ("\\\\ALPHA", broadcast_record::DisplayName(Stored("\\\\ALPHA")));
    // A domain stored without its star is not shortened.
    EXPECT_EQ("WORKGROUP", broadcast_record::DisplayName(Stored("WORKGROUP")));
    EXPECT_EQ("WORKGROUP*", broadcast_record::StoredNameOf("WORKGROUP"));
    EXPECT_EQ("\\\\ALPHA", broadcast_record::StoredNameOf("\\\\ALPHA"));
    EXPECT_FALSE(broadcast_record::IsMachineName("\\ALPHA"));

    BroadcastRecord record;
    std::memset(&record, 'x', sizeof record);
    ASSERT_TRUE(broadcast_record::Write(record, "WORKGROUP"));
    EXPECT_EQ(std::string("WORKGROUP*") + std::string(42, '\0'), std::string(record.name, 52));
}

TEST(BroadcastRecordNames, NamesThatDoNotFitAreRefusedWhole)
{
    const std::string machine = "\\\\" + std::string(49, 'M');  // 51 characters
    BroadcastRecord record = {};
    ASSERT_TRUE(broadcast_record::Write(record, machine));
    EXPECT_EQ(machine, broadcast_record::StoredName(record));
    EXPECT_EQ('\0', record.name[51]);

    const std::string domain50(50, 'D');  // 51 with its star
    EXPECT_TRUE(broadcast_record::Fits(domain50));
    EXPECT_FALSE(broadcast_record::Fits(domain50 + "D"));
    EXPECT_FALSE(broadcast_record::Write(record, machine + "M"));
    EXPECT_EQ(machine, broadcast_record::StoredName(record));  // untouched

    // A record filled to its end without a terminator reads only its own 52 bytes.
    std::memset(record.name, 'Z', sizeof record.name);
    EXPECT_EQ(std::string(52, 'Z'), broadcast_record::DisplayName(record));
}

TEST(PrintQueueRecordFields, WriteAndReadAtTheirOffsets)
{
    PrintQueueRecord record;
    std::memset(&record, 'x', sizeof record);
    ASSERT_TRUE(ticket_record::Write(record, {"\\\\GAMMA\\LASER", "admin", "vexomar"}));
    const char* bytes = reinterpret_cast<const char*>(&record);
    EXPECT_EQ(std::string("admin") + std::string(44, '\0'), std::string(bytes, 49));
    EXPECT_EQ(std::string("vexomar") + std::string(44, '\0'), std::string(bytes + 49, 51));
    EXPECT_EQ(std::string("\\\\GAMMA\\LASER") + std::string(95, '\0'), std::string(bytes + 100, 108));
    const ticket_record::PrintQueue back = ticket_record::Read(record);
    EXPECT_EQ("\\\\GAMMA\\LASER", back.queuePath);
    EXPECT_EQ("admin", back.userName);
    EXPECT_EQ("vexomar", back.password);
}

TEST(PrintQueueRecordFields, OverlongTextsAreRefusedAndTheRecordKept)
{
    PrintQueueRecord record = {};
    ASSERT_TRUE(ticket_record::Write(record, {std::string(107, 'p'), std::string(48, 'u'), std::string(50, 'w')}));
    EXPECT_FALSE(ticket_record::Write(record, {"\\\\B\\Q", std::string(49, 'u'), ""}));
    EXPECT_FALSE(ticket_record::Write(record, {"\\\\B\\Q", "", std::string(51, 'w')}));
    EXPECT_FALSE(ticket_record::Write(record, {std::string(108, 'p'), "", ""}));
    EXPECT_EQ(std::string(107, 'p'), ticket_record::Read(record).queuePath);
}

TEST(PrintQueueHeaderText, SixtyNineCharactersAndTheCarriedBytesStay)
{
    PrintQueueHeader header;
    std::memset(&header, 0x5A, sizeof header);
    ticket_record::SetHeaderText(header, std::string(80, 'h'));
    EXPECT_EQ(std::string(69, 'h'), ticket_record::HeaderText(header));
    EXPECT_EQ('\0', header.text[69]);
    EXPECT_EQ(0x5A, header.carried[0]);
    EXPECT_EQ(0x5A, header.carried[161]);
}

TEST(PrintQueueNames, ServerIsTheTextAfterTheLastBackslash)
{
    EXPECT_EQ("GAMMA", ticket_record::ServerOf("\\\\GAMMA"));
    EXPECT_EQ("Unknown", ticket_record::ServerOf("GAMMA"));
    EXPECT_EQ("Unknown", ticket_record::ServerOf("\\\\GAMMA\\"));
    EXPECT_EQ("\\\\GAMMA\\LASER", ticket_record::QueuePath("\\\\GAMMA", "LASER"));
}
