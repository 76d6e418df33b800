// PORT.CFG and PORTDEF.CFG byte for byte: defaults, partial blocks, list lines and the pager's entries.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "port_file.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

std::string ScratchPath(const char* name)
{
    return ::testing::TempDir() + "port_file_test_" + name;
}

Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::uint16_t Word(const Bytes& bytes, std::size_t at)
{
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

PortRecord Record(std::uint16_t id, int number, const char* description)
{
    PortRecord record = {};
    record.portId = id;
    record.portNumber = static_cast<std::uint16_t>(number);
    port_file::SetFieldText(record.portName, sizeof record.portName, port_file::PortNameFor(number), 255);
    record.baudIndex = 4;
    record.dataBitsIndex = 1;
    record.parityIndex = 0;
    record.stopBitsIndex = 1;
    port_file::SetFieldText(record.description, sizeof record.description, description, 127);
    return record;
}

}  // namespace

TEST(PortFile, AMissingFileShowsTheDefaultLineAndSavesA1024ByteFile)
{
    const std::string path = ScratchPath("missing.cfg");
    std::remove(path.c_str());
    const port_file::PortFileContent content = port_file::LoadPortFile(path);
    ASSERT_EQ(1u, content.records.size());
    EXPECT_EQ(
        "1\tCOM1\t300\tEVEN\t7\t1\tAlpha-Numeric Pager Setting (Default)", port_file::DisplayLine(content.records[0]));

    ASSERT_TRUE(port_file::SavePortFile(path, content.header, content.records));
    const Bytes bytes = ReadBytes(path);
    ASSERT_EQ(1024u, bytes.size());
    EXPECT_EQ(1, Word(bytes, 0));
    EXPECT_EQ(2, Word(bytes, 2));
    EXPECT_TRUE(std::all_of(bytes.begin() + 4, bytes.begin() + 512, [](std::uint8_t b) { return b == 0; }));
    // The record: ID 1, COM1, then the indexes 0, 0, 1, 0 at 260 ... 272 and the description at 276.
    EXPECT_EQ(1, Word(bytes, 512));
    EXPECT_EQ(1, Word(bytes, 514));
    EXPECT_EQ(0, std::memcmp(&bytes[516], "COM1\0", 5));
    const std::uint8_t indexes[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    EXPECT_EQ(0, std::memcmp(&bytes[512 + 260], indexes, 16));
    const char description[] = "Alpha-Numeric Pager Setting (Default)";
    EXPECT_EQ(0, std::memcmp(&bytes[512 + 276], description, sizeof description));
    std::remove(path.c_str());
}

TEST(PortFile, EveryWholeBlockLoadsAndAPartialTailVanishesAtTheNextSave)
{
    PortFileHeader header = {};
    header.recordCount = 1;  // the count does not bound the loop
    header.nextPortId = 9;
    const std::vector<PortRecord> records = {Record(1, 1, "one"), Record(4, 2, "four"), Record(7, 3, "seven")};
    Bytes bytes = port_file::PortFileBytes(header, records);
    bytes.resize(bytes.size() + 100, 0xEE);
    const std::string path = ScratchPath("tail.cfg");
    WriteBytes(path, bytes);

    const port_file::PortFileContent content = port_file::LoadPortFile(path);
    ASSERT_EQ(3u, content.records.size());
    EXPECT_EQ("7\tCOM3\t9600\tNONE\t8\t2\tseven", port_file::DisplayLine(content.records[2]));
    ASSERT_TRUE(port_file::SavePortFile(path, content.header, content.records));
    const Bytes saved = ReadBytes(path);
    ASSERT_EQ(2048u, saved.size());
    EXPECT_EQ(3, Word(saved, 0));
    EXPECT_EQ(9, Word(saved, 2));
    EXPECT_EQ(Bytes(bytes.begin() + 512, bytes.begin() + 2048), Bytes(saved.begin() + 512, saved.end()));
    std::remove(path.c_str());
}

TEST(PortFile, AShortHeaderLoadsNothingAndAnEmptyListSavesTheDefault)
{
    const port_file::PortFileContent content = port_file::ParsePortFile(Bytes(300, 0x41));
    EXPECT_EQ(0, content.header.recordCount);
    EXPECT_EQ(0, content.header.nextPortId);
    EXPECT_TRUE(content.records.empty());

    const Bytes bytes = port_file::PortFileBytes(content.header, content.records);
    const port_file::PortFileContent fallback = port_file::DefaultContent();
    ASSERT_EQ(1024u, bytes.size());
    EXPECT_EQ(0, std::memcmp(bytes.data(), &fallback.header, 512));
    EXPECT_EQ(0, std::memcmp(bytes.data() + 512, &fallback.records[0], 512));
}

TEST(PortFile, IndexesAboveTheTopShowTheLastTextAndBelowTheFirst)
{
    PortRecord record = Record(12, 4, "high");
    record.baudIndex = 5;
    record.parityIndex = 3;
    record.dataBitsIndex = 2;
    record.stopBitsIndex = 40;
    EXPECT_EQ("12\tCOM4\t9600\tODD\t8\t2\thigh", port_file::DisplayLine(record));
    record.baudIndex = -1;
    record.parityIndex = -7;
    EXPECT_EQ("12\tCOM4\t300\tNONE\t8\t2\thigh", port_file::DisplayLine(record));
}

TEST(PortFile, FieldsWithoutTheirTerminatorEndAtTheFieldsEnd)
{
    PortRecord record = Record(65535, 1, "");
    std::memset(record.description, 'd', sizeof record.description);
    std::memset(record.portName, 'p', sizeof record.portName);
    const std::string line = port_file::DisplayLine(record);
    EXPECT_EQ("65535\t" + std::string(256, 'p') + "\t9600\tNONE\t8\t2\t" + std::string(236, 'd'), line);
}

TEST(PortFile, TheDescriptionIsCutAt127Characters)
{
    PortRecord record = {};
    std::memset(record.description, 'x', sizeof record.description);
    port_file::SetFieldText(record.description, sizeof record.description, std::string(200, 'a'), 127);
    EXPECT_EQ(std::string(127, 'a'), port_file::FieldText(record.description, sizeof record.description));
    EXPECT_TRUE(std::all_of(record.description + 127, record.description + 236, [](char c) { return c == 0; }));
}

TEST(PortFile, TheDefaultPortIdIsTwoBytesAndAMissingFileIsNone)
{
    const std::string path = ScratchPath("portdef.cfg");
    std::remove(path.c_str());
    EXPECT_FALSE(port_file::ReadDefaultPortId(path).has_value());
    ASSERT_TRUE(port_file::WriteDefaultPortId(path, 0x1234));
    EXPECT_EQ((Bytes {0x34, 0x12}), ReadBytes(path));
    EXPECT_EQ(0x1234, port_file::ReadDefaultPortId(path).value());
    WriteBytes(path, Bytes {0x07});
    EXPECT_EQ(1, port_file::ReadDefaultPortId(path).value());
    std::remove(path.c_str());
}

TEST(PortFile, PagerEntriesFollowTheCountButStopAtTheFilesEnd)
{
    const std::string path = ScratchPath("entries.cfg");
    std::remove(path.c_str());
    EXPECT_FALSE(port_file::PagerPortEntries(path).has_value());

    PortFileHeader header = {};
    Bytes bytes =
        port_file::PortFileBytes(header, {Record(1, 1, "first"), Record(2, 2, "second"), Record(3, 4, "third")});
    bytes[0] = 2;  // the header counts two of the three
    WriteBytes(path, bytes);
    EXPECT_EQ((std::vector<std::string> {"COM1 - first", "COM2 - second"}), port_file::PagerPortEntries(path).value());

    bytes[0] = 9;  // more than the file holds
    bytes.resize(bytes.size() - 12);
    WriteBytes(path, bytes);
    EXPECT_EQ((std::vector<std::string> {"COM1 - first", "COM2 - second"}), port_file::PagerPortEntries(path).value());
    std::remove(path.c_str());
}

TEST(PortFile, PathsJoinTheHomeWithABackslash)
{
    EXPECT_EQ("\\PORT.CFG", port_file::PathIn("", "PORT.CFG"));
    EXPECT_EQ("C:\\alert\\PORTDEF.CFG", port_file::PathIn("C:\\alert", "PORTDEF.CFG"));
}
