// The pages' scratch Alert home, recording core and configuration tab window.
#include "page_fixture.h"

#include <cstring>

void PagesTest::SetUp()
{
    home = std::make_unique<ScratchAlertHome>(
        std::string("pages-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    ProgramValues& values = TestProgram();
    m_savedCore = values.core;
    std::memcpy(m_savedServer, values.serverName, sizeof m_savedServer);
    std::memcpy(m_savedApplication, values.applicationName, sizeof m_savedApplication);
    values.core = &core;
    std::memset(values.serverName, 0, sizeof values.serverName);
    std::strcpy(values.serverName, "MORWICK1");
    values.SetApplicationName("ALERT");
    FakeAnswer directory;
    directory.data.assign(home->Path().begin(), home->Path().end());
    directory.data.push_back(0);
    core.AnswerAlways("AlertGetHomeDir", directory);
    SetDate("2026-12-01 10:00:00");
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, RECT {0, 0, 700, 500}, nullptr, 0));
    tab = std::make_unique<CALTabWnd>(core, values.serverName);
    ASSERT_TRUE(tab->Create(owner.m_hWnd, RECT {0, 0, 640, 420}, 5, 1));
}

void PagesTest::TearDown()
{
    tab.reset();
    owner.DestroyWindow();
    ProgramValues& values = TestProgram();
    values.core = m_savedCore;
    std::memcpy(values.serverName, m_savedServer, sizeof m_savedServer);
    std::memcpy(values.applicationName, m_savedApplication, sizeof m_savedApplication);
    home.reset();
}

void PagesTest::SetDate(const std::string& date)
{
    FakeAnswer answer;
    answer.data.assign(date.begin(), date.end());
    answer.data.push_back(0);
    core.AnswerAlways("AlertGetCFGDate", answer);
}

std::vector<BYTE> PagesTest::PortFileBytes() const
{
    if (GetFileAttributesA(PortPath().c_str()) == INVALID_FILE_ATTRIBUTES)
        return {};
    return ScratchAlertHome::ReadBytes(PortPath());
}

void PagesTest::WritePortFile(const std::vector<PortRecord>& records, std::uint16_t nextId)
{
    PortFileHeader header = {};
    header.nextPortId = nextId;
    const std::vector<std::uint8_t> bytes = port_file::PortFileBytes(header, records);
    ScratchAlertHome::WriteBytes(PortPath(), std::vector<BYTE>(bytes.begin(), bytes.end()));
}

PortRecord PagesTest::Port(std::uint16_t id, int number, const char* description)
{
    PortRecord record = {};
    record.portId = id;
    record.portNumber = static_cast<std::uint16_t>(number);
    port_file::SetFieldText(record.portName, sizeof record.portName, port_file::PortNameFor(number), 255);
    record.baudIndex = 3;
    record.parityIndex = 2;
    record.dataBitsIndex = 1;
    record.stopBitsIndex = 0;
    port_file::SetFieldText(record.description, sizeof record.description, description, 127);
    return record;
}
