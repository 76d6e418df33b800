// The common set-up of the event viewer tests: a scratch event-log folder behind a fake core.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "alert_record_format.h"
#include "fake_alert_core.h"

using TableSlot = std::array<BYTE, alert_table::kSlotSize>;

// A record slot as the Alert Service writes it.
TableSlot RecordSlot(const std::string& eventFile, const std::string& description, const std::string& application,
    int priority, std::int32_t time);
TableSlot HeaderSlot(std::int32_t critical, std::int32_t warning, std::int32_t informational);

class EventLogFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string TablePath() const { return folder + "\\ALRECORD.TBL"; }
    std::string FilePath(const std::string& name) const { return folder + "\\" + name; }
    // Writes the table: the header and then each slot, in order.
    void WriteTable(const TableSlot& header, const std::vector<TableSlot>& slots) const;
    void AppendSlot(const TableSlot& slot) const;
    void WriteText(const std::string& name, const std::string& text) const;
    std::vector<BYTE> ReadTable() const;
    TableSlot ReadSlot(int index) const;
    bool Exists(const std::string& path) const { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

    FakeAlertCore core;
    std::string folder;

private:
    AlertCore* m_savedCore = nullptr;
    char m_savedServer[64] = {};
};
