// The common set-up of the event viewer tests: a scratch event-log folder behind a fake core.
#include "events_fixture.h"

#include <cstring>
#include <fstream>

#include "alert_record_table.h"
#include "program_values.h"
#include "test_program.h"
#include "scratch_alert_home.h"

TableSlot RecordSlot(const std::string& eventFile, const std::string& description, const std::string& application,
    int priority, std::int32_t time)
{
    alert_table::Record record;
    record.eventFile = eventFile;
    record.description = description;
    record.application = application;
    record.priority = priority;
    record.time = time;
    TableSlot slot {};
    alert_table::WriteRecord(record, slot.data());
    return slot;
}

TableSlot HeaderSlot(std::int32_t critical, std::int32_t warning, std::int32_t informational)
{
    TableSlot slot {};
    alert_table::WriteHeaderCounts({critical, warning, informational}, slot.data());
    return slot;
}

void EventLogFolderTest::SetUp()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    folder = std::string(temp) + "vex-events-" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    RemoveTree(folder);
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));

    m_savedCore = TestProgram().core;
    std::memcpy(m_savedServer, TestProgram().serverName, sizeof m_savedServer);
    TestProgram().core = &core;
    std::memset(TestProgram().serverName, 0, sizeof TestProgram().serverName);
    std::strcpy(TestProgram().serverName, "ALPHA");
    FakeAnswer directory;
    directory.data.assign(folder.begin(), folder.end());
    directory.data.push_back(0);
    core.AnswerAlways("AlertGetHomeEventLog", directory);
    CAlertRecordTable::ForgetPaths();
}

void EventLogFolderTest::TearDown()
{
    CAlertRecordTable::ForgetPaths();
    TestProgram().core = m_savedCore;
    std::memcpy(TestProgram().serverName, m_savedServer, sizeof m_savedServer);
    RemoveTree(folder);
}

void EventLogFolderTest::WriteTable(const TableSlot& header, const std::vector<TableSlot>& slots) const
{
    std::vector<BYTE> bytes(header.begin(), header.end());
    for (const TableSlot& slot : slots)
        bytes.insert(bytes.end(), slot.begin(), slot.end());
    ScratchAlertHome::WriteBytes(TablePath(), bytes);
}

void EventLogFolderTest::AppendSlot(const TableSlot& slot) const
{
    std::vector<BYTE> bytes = ReadTable();
    bytes.insert(bytes.end(), slot.begin(), slot.end());
    ScratchAlertHome::WriteBytes(TablePath(), bytes);
}

void EventLogFolderTest::WriteText(const std::string& name, const std::string& text) const
{
    ScratchAlertHome::WriteBytes(FilePath(name), std::vector<BYTE>(text.begin(), text.end()));
}

std::vector<BYTE> EventLogFolderTest::ReadTable() const
{
    return ScratchAlertHome::ReadBytes(TablePath());
}

TableSlot EventLogFolderTest::ReadSlot(int index) const
{
    const std::vector<BYTE> bytes = ReadTable();
    TableSlot slot {};
    const size_t at = static_cast<size_t>(index) * alert_table::kSlotSize;
    if (bytes.size() >= at + slot.size())
        std::memcpy(slot.data(), bytes.data() + at, slot.size());
    return slot;
}
