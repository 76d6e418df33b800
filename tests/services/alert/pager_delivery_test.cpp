// DeliverPager end to end: a COM port of the prefix linked to the simulated modem and paging
// terminal (pager_terminal.py), which records every byte it receives.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

#include <gtest/gtest.h>

#include "alert_delivery.h"
#include "alert_home.h"
#include "pager_method.h"
#include "pager_test_record.h"
#include "pager_record.h"
#include "port_file.h"
#include "registry_value.h"

namespace {

// The simulator's files, named by tools/pager-terminal in Linux terms.
std::string WindowsPathOf(const char* variable)
{
    const char* path = std::getenv(variable);
    if (!path || !*path)
        return std::string();
    std::string windows = std::string("Z:") + path;
    for (char& c : windows)
        if (c == '/')
            c = '\\';
    return windows;
}

std::string ReadWhole(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

class RecordingContext : public DeliveryContext {
public:
    RecordingContext() : m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)) { }
    ~RecordingContext() override { CloseHandle(m_stop); }
    bool Stopping() const override { return WaitForSingleObject(m_stop, 0) == WAIT_OBJECT_0; }
    bool Wait(DWORD ms) const override { return WaitForSingleObject(m_stop, ms) != WAIT_OBJECT_0; }
    HANDLE StopEvent() const override { return m_stop; }
    void Log(NotifyMethod method, const std::string& recipient, const std::string& outcome) override
    {
        EXPECT_EQ(NotifyMethod::Pager, method);
        lines.push_back(recipient + ": " + outcome);
    }
    void Stop() { SetEvent(m_stop); }

    std::vector<std::string> lines;

private:
    HANDLE m_stop;
};

class PagerDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_transcript = WindowsPathOf("VEX_PAGER_TRANSCRIPT");
        m_pages = WindowsPathOf("VEX_PAGER_PAGES");
        if (m_transcript.empty())
            GTEST_SKIP() << "run through tools/pager-terminal, which serves COM3";
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_alert.homeDirectory = std::string(temp) + "pager_delivery_test";
        CreateDirectoryA(m_alert.homeDirectory.c_str(), nullptr);
        // The default setting, port ID 1, keeps its 300 7E1 on COM3; the second setting is COM3
        // at 2400 8N1.
        PortRecord defaultOnCom3 = port_file::DefaultRecord();
        defaultOnCom3.portNumber = 3;
        PortRecord com3 = defaultOnCom3;
        com3.portId = 2;
        com3.baudIndex = 2;
        com3.dataBitsIndex = 1;
        com3.parityIndex = 0;
        PortFileHeader header = port_file::DefaultHeader();
        header.nextPortId = 3;
        ASSERT_TRUE(port_file::SavePortFile(
            port_file::PathIn(m_alert.homeDirectory, "PORT.CFG"), header, {defaultOnCom3, com3}));
        m_alert.text = "Virus [Ripper] found in C:\\DATA\\GAME.EXE on PC1";
        m_alert.code = "05";
        m_alert.priority = 0;
        m_timing.commandMs = 2000;
        m_timing.carrierMs = 2000;
        m_timing.idPromptMs = 2000;
        m_timing.terminalMs = 2000;
        m_timing.guardMs = 50;
        m_timing.commaMs = 20;
        m_timing.retryDelayMs = 20;
        m_transcriptAt = ReadWhole(m_transcript).size();
        m_pagesAt = ReadWhole(m_pages).size();
    }

    void Deliver(std::vector<PagerRecord> pagers, bool enabled = true, std::uint16_t portSetting = 2)
    {
        for (PagerRecord& pager : pagers)
            pager.portSetting = portSetting;
        ApplicationSettings settings;
        settings.SetRecipients(
            NotifyMethod::Pager, reinterpret_cast<const std::uint8_t*>(pagers.data()), pagers.size(), enabled);
        DeliverPagerWith(m_alert, settings, m_context, m_timing);
    }
    // What the terminal received, and the pages it took, since the test began.
    std::string Received() const { return ReadWhole(m_transcript).substr(m_transcriptAt); }
    std::string Pages() const { return ReadWhole(m_pages).substr(m_pagesAt); }

    DeliveredAlert m_alert;
    PagerTiming m_timing;
    RecordingContext m_context;
    std::string m_transcript;
    std::string m_pages;
    std::size_t m_transcriptAt = 0;
    std::size_t m_pagesAt = 0;
};

const std::string kModemStart = "ATZ\rATE0Q0V1X4\r";
const std::string kBlock1234 = "\x02"
                               "1234\rVirus [Ripper] found in C:\\DATA\\GAME.EXE on PC1\r\x03"
                               "??9\r";
const std::string kBlock9999 = "\x02"
                               "9999\rVirus [Ripper] found in C:\\DATA\\GAME.EXE on PC1\r\x03"
                               "013\r";

TEST_F(PagerDeliveryTest, AlphanumericPageReachesTheTerminalByteForByte)
{
    PagerRecord ann = TestPager("Ann", "555-0101", 1, "1234", 2);
    std::strcpy(ann.siteId, "S1");
    Deliver({ann});
    EXPECT_EQ(std::vector<std::string> {"Ann (555-0101/1234): delivered: the paging terminal accepted the message "
                                        "(COM3 2400 8N1)"},
        m_context.lines);
    EXPECT_EQ(kModemStart +
            "ATDT5550101\r"
            "\r"
            "\x1bPG1S1\r" +
            kBlock1234 +
            "\x04\r"
            "ATH0\r",
        Received());
    EXPECT_EQ("alphanumeric 1234: Virus [Ripper] found in C:\\DATA\\GAME.EXE on PC1\n", Pages());
}

TEST_F(PagerDeliveryTest, NumericPageDialsTheEventCodesDigits)
{
    Deliver({TestPager("Duty Officer", "5550100", 0, "", 2)});
    EXPECT_EQ(
        std::vector<std::string> {"Duty Officer (5550100): delivered: the digits 05 were dialled (COM3 2400 8N1)"},
        m_context.lines);
    EXPECT_EQ(kModemStart +
            "ATDT5550100,,05#;\r"
            "ATH0\r",
        Received());
    EXPECT_EQ("numeric 5550100: 05\n", Pages());
}

// On the default setting: every call sets the port to 7E1 again.
TEST_F(PagerDeliveryTest, BusyLineIsCalledTwiceMoreThenReported)
{
    Deliver({TestPager("Bob", "5550199", 0, "", 1)}, true, 0);
    ASSERT_EQ(3u, m_context.lines.size());
    EXPECT_EQ("Bob (5550199): the line was busy (COM3 300 7E1); calling again in 1 second (retry 1 of 2)",
        m_context.lines[0]);
    EXPECT_EQ("Bob (5550199): not delivered: the line was busy (COM3 300 7E1), after 3 calls", m_context.lines[2]);
    const std::string call = kModemStart + "ATDT5550199,05#;\r";
    EXPECT_EQ(call + call + call, Received());
    EXPECT_EQ("", Pages());
}

TEST_F(PagerDeliveryTest, ARetryAfterABusyLineDelivers)
{
    Deliver({TestPager("Cy", "5550198", 1, "1234")});
    EXPECT_EQ((std::vector<std::string> {
                  "Cy (5550198/1234): the line was busy (COM3 2400 8N1); calling again in 1 second (retry 1 of 2)",
                  "Cy (5550198/1234): delivered: the paging terminal accepted the message (COM3 2400 8N1)"}),
        m_context.lines);
    EXPECT_EQ(kModemStart + "ATDT5550198\r" + kModemStart +
            "ATDT5550198\r"
            "\r"
            "\x1bPG1\r" +
            kBlock1234 +
            "\x04\r"
            "ATH0\r",
        Received());
}

TEST_F(PagerDeliveryTest, RefusedMessageEndsTheCallAndIsNotRetried)
{
    Deliver({TestPager("Dee", "5550101", 1, "9999")});
    EXPECT_EQ(std::vector<std::string> {"Dee (5550101/9999): not delivered: the paging terminal refused the message "
                                        "(COM3 2400 8N1)"},
        m_context.lines);
    EXPECT_EQ(kModemStart +
            "ATDT5550101\r"
            "\r"
            "\x1bPG1\r" +
            kBlock9999 +
            "\x04\r"
            "ATH0\r",
        Received());
    EXPECT_EQ("", Pages());
}

TEST_F(PagerDeliveryTest, NakedBlockIsSentAgain)
{
    Deliver({TestPager("Eve", "5550101", 1, "7777")});
    ASSERT_EQ(1u, m_context.lines.size());
    EXPECT_EQ(
        "Eve (5550101/7777): delivered: the paging terminal accepted the message (COM3 2400 8N1)", m_context.lines[0]);
    const std::string received = Received();
    const std::size_t first = received.find("\x02"
                                            "7777\r");
    ASSERT_NE(std::string::npos, first);
    EXPECT_NE(std::string::npos,
        received.find("\x02"
                      "7777\r",
            first + 1));
}

TEST_F(PagerDeliveryTest, APortWithNothingBehindItIsReported)
{
    PagerRecord pager = TestPager("Fay", "5550100", 0);
    pager.portSetting = 0;  // the default setting, port ID 1, here on COM4: the prefix has no COM4
    PortRecord com4 = port_file::DefaultRecord();
    com4.portNumber = 4;
    ASSERT_TRUE(port_file::SavePortFile(
        port_file::PathIn(m_alert.homeDirectory, "PORT.CFG"), port_file::DefaultHeader(), {com4}));
    m_timing.retries = 0;
    ApplicationSettings settings;
    settings.SetRecipients(NotifyMethod::Pager, reinterpret_cast<const std::uint8_t*>(&pager), 1, true);
    DeliverPagerWith(m_alert, settings, m_context, m_timing);
    ASSERT_EQ(1u, m_context.lines.size());
    EXPECT_EQ(0u, m_context.lines[0].find("Fay (5550100): not delivered: COM4 could not be opened (error "))
        << m_context.lines[0];
    EXPECT_EQ("", Received());
}

TEST_F(PagerDeliveryTest, AStopCutsTheConnectionDelayShort)
{
    m_timing.commaMs = 60000;  // seven minutes of delay, were it not for the stop
    std::thread stopper([this] {
        // The stop comes once the modem has connected: the dial string is in the transcript.
        for (int i = 0; i < 500 && Received().find("ATDT") == std::string::npos; ++i)
            Sleep(10);
        m_context.Stop();
    });
    Deliver({TestPager("Gus", "5550101", 1, "1234", 7), TestPager("Hal", "5550100", 0)});
    stopper.join();
    EXPECT_EQ((std::vector<std::string> {
                  "Gus (5550101/1234): not delivered: the service was stopped or paused (COM3 2400 8N1)",
                  "Hal (5550100): not delivered: the service was stopped or paused"}),
        m_context.lines);
    EXPECT_EQ(kModemStart + "ATDT5550101\r", Received());
}

TEST_F(PagerDeliveryTest, DisabledPagingCallsNobody)
{
    Deliver({TestPager("Ivy", "5550100", 0)}, false);
    EXPECT_TRUE(m_context.lines.empty());
    EXPECT_EQ("", Received());
}

TEST(PagerTimingSettings, RegistryValuesInRangeChangeTheTimingAndOthersKeepTheDefault)
{
    const std::string key = std::string(kAlertKey) + "\\Pager";
    const PagerTiming defaults;
    ASSERT_EQ(0, WriteMachineString(key, "Retries", "0"));
    ASSERT_EQ(0, WriteMachineString(key, "RetryDelay", "5"));
    ASSERT_EQ(0, WriteMachineString(key, "CommaDelay", "10001"));
    PagerTiming timing = ConfiguredPagerTiming();
    EXPECT_EQ(0, timing.retries);
    EXPECT_EQ(5000u, timing.retryDelayMs);
    EXPECT_EQ(defaults.commaMs, timing.commaMs);
    ASSERT_EQ(0, WriteMachineString(key, "Retries", "2x"));
    ASSERT_EQ(0, WriteMachineString(key, "RetryDelay", "0"));
    ASSERT_EQ(0, WriteMachineString(key, "CommaDelay", "500"));
    timing = ConfiguredPagerTiming();
    EXPECT_EQ(defaults.retries, timing.retries);
    EXPECT_EQ(defaults.retryDelayMs, timing.retryDelayMs);
    EXPECT_EQ(500u, timing.commaMs);
    for (const char* name : {"Retries", "RetryDelay", "CommaDelay"})
        DeleteMachineValue(key, name);
    EXPECT_EQ(defaults.retryDelayMs, ConfiguredPagerTiming().retryDelayMs);
}

}  // namespace
