// The event viewer's texts: the list row, the event file's 128-byte path and its first 65535 bytes.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "alert_record_view.h"

using namespace alert_table;

namespace {

std::string WriteScratch(const std::string& name, const std::string& bytes)
{
    const std::filesystem::path path = std::filesystem::temp_directory_path() / ("vex-events-" + name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
}

}  // namespace

TEST(EventListLine, DateTimeDescriptionApplicationAndTheNumericTime)
{
    Record record;
    record.description = "Virus found";
    record.application = "VEXOMAR";
    record.time = 1765000000;
    EXPECT_EQ("12/06/2025 05:46:40\tVirus found\tVEXOMAR\t1765000000", EventListLine("12/06/2025 05:46:40", record));
    record.time = -5;
    record.description.clear();
    EXPECT_EQ("x\t\tVEXOMAR\t-5", EventListLine("x", record));
}

TEST(EventFilePath, DirectoryBackslashAndName)
{
    char path[kEventPathSize];
    ASSERT_TRUE(BuildEventFilePath("C:\\ALERT\\EVENTLOG", "AL000001.EVT", path));
    EXPECT_STREQ("C:\\ALERT\\EVENTLOG\\AL000001.EVT", path);
}

TEST(EventFilePath, APathOfExactly127CharactersFitsAnd128IsRefused)
{
    char path[kEventPathSize];
    const std::string file = "AL000001.EVT";  // 12 characters, plus the backslash
    const std::string fits(127 - 13, 'd');
    ASSERT_TRUE(BuildEventFilePath(fits, file, path));
    EXPECT_EQ(127u, std::string(path).size());

    std::memset(path, 'z', sizeof path);
    EXPECT_FALSE(BuildEventFilePath(fits + "d", file, path));
    EXPECT_STREQ("", path);
    EXPECT_FALSE(BuildEventFilePath(std::string(600, 'd'), file, path));
    EXPECT_STREQ("", path);
}

TEST(EventFilePath, NamesThatLeaveTheDirectoryOrAreEmptyAreRefused)
{
    char path[kEventPathSize];
    EXPECT_FALSE(BuildEventFilePath("C:\\E", "", path));
    EXPECT_FALSE(BuildEventFilePath("", "AL000001.EVT", path));
    EXPECT_FALSE(BuildEventFilePath("C:\\E", "..\\SECRET.TXT", path));
    EXPECT_FALSE(BuildEventFilePath("C:\\E", "D:X.EVT", path));
    EXPECT_FALSE(BuildEventFilePath("C:\\E", "/etc/passwd", path));
    EXPECT_FALSE(BuildEventFilePath("C:\\E", "..", path));
}

TEST(EventFileHead, TheWholeOfASmallFile)
{
    const std::string path = WriteScratch("small.evt", "Time: 12:00\r\nText: Disk full\r\n");
    EXPECT_EQ("Time: 12:00\r\nText: Disk full\r\n", ReadEventFileHead(path.c_str()));
}

TEST(EventFileHead, TheFirst65535BytesOfALargerFile)
{
    std::string bytes(70000, 'a');
    bytes[65534] = 'L';
    bytes[65535] = 'X';
    const std::string path = WriteScratch("large.evt", bytes);
    const std::string head = ReadEventFileHead(path.c_str());
    ASSERT_EQ(65535u, head.size());
    EXPECT_EQ('L', head.back());

    const std::string exact = WriteScratch("exact.evt", std::string(65535, 'b'));
    EXPECT_EQ(65535u, ReadEventFileHead(exact.c_str()).size());
}

TEST(EventFileHead, TextStopsAtANulByte)
{
    const std::string path = WriteScratch("nul.evt", std::string("before\0after", 12));
    EXPECT_EQ("before", ReadEventFileHead(path.c_str()));
}

TEST(EventFileHead, AMissingOrUnnamedFileGivesNothing)
{
    EXPECT_EQ("", ReadEventFileHead("/nonexistent/vex/AL000001.EVT"));
    EXPECT_EQ("", ReadEventFileHead(""));
    EXPECT_EQ("", ReadEventFileHead(nullptr));
}
