// Helpers of the log page tests.
#include "status_test_support.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "scratch_alert_home.h"
#include "test_program.h"

ScratchFolder::ScratchFolder(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "vex-status-" + name;
    RemoveTree(m_path);
    CreateDirectoryA(m_path.c_str(), nullptr);
}

ScratchFolder::~ScratchFolder()
{
    RemoveTree(m_path);
}

void WriteText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

void AppendText(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << text;
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<BYTE> CoreText(const std::string& text)
{
    std::vector<BYTE> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

FakeAnswer DataAnswer(int result, std::vector<BYTE> data)
{
    FakeAnswer answer;
    answer.result = result;
    answer.data = std::move(data);
    return answer;
}

std::vector<BYTE> StatisticsRecord(int critical, int warning, int informational)
{
    std::vector<BYTE> record(256, 0);
    const std::int32_t counts[3] = {critical, warning, informational};
    std::memcpy(record.data(), counts, sizeof counts);
    // Bytes after the counts are the core's own; the page must not show them.
    std::memset(record.data() + 12, 0x7F, 244);
    return record;
}

void UseLocalServer()
{
    UseServer(LocalComputerName());
}

void UseServer(const char* name)
{
    std::memset(TestProgram().serverName, 0, sizeof TestProgram().serverName);
    lstrcpynA(TestProgram().serverName, name, sizeof TestProgram().serverName);
}

std::string TestName()
{
    return ::testing::UnitTest::GetInstance()->current_test_info()->name();
}
