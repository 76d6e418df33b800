// The real instance of VXMSVC.EXE: files it cannot read, settings it takes up, its logs, and
// the report of VXMSTAT.EXE.
#include <gtest/gtest.h>

#include <array>

#include "drumel.h"
#include "instance_control.h"
#include "scan_statistics.h"
#include "scratch_site.h"
#include "server_config.h"
#include "server_store.h"
#include "state_word.h"

namespace {

DWORD JobBits(const char* server)
{
    DWORD word = 0;
    VexomarGetServerState(server, &word, nullptr, nullptr);
    return word & kJobMask;
}

// Runs a program beside the test and gives what it printed.
std::string Capture(const std::string& program, const std::string& arguments)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    if (!CreatePipe(&read, &write, &inherit, 0))
        return "";
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process = {};
    std::string command = "\"" + PathBesideTest(program) + "\" " + arguments;
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    CloseHandle(write);
    std::string output;
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got)
            output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 30000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(read);
    return output;
}

DWORD StartType(const std::string& serviceName)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, serviceName.c_str(), SERVICE_QUERY_CONFIG);
    DWORD type = 0;
    union {
        QUERY_SERVICE_CONFIGA config;
        BYTE room[8192];
    } buffer;
    DWORD needed = 0;
    if (service && QueryServiceConfigA(service, &buffer.config, sizeof buffer, &needed))
        type = buffer.config.dwStartType;
    if (service)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return type;
}

class VexomarInstance : public ::testing::Test {
protected:
    void TearDown() override
    {
        VexomarStopService("SALES");
        m_site.UninstallAll();
    }
    ScratchSite m_site;
};

}  // namespace

TEST_F(VexomarInstance, AFileTheEngineCannotReadIsCountedNotScannedNeverClean)
{
    const std::string locked = m_site.DataFolder("ALPHA") + "\\locked.dat";
    m_site.WriteFile(locked, "held open by the test");
    m_site.WriteFile(m_site.DataFolder("ALPHA") + "\\open.txt", "plain");
    HANDLE held = CreateFileA(locked.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    m_site.Install({"ALPHA"});
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    const bool done = WaitFor([] { return JobBits("ALPHA") == kJobDone; });
    CloseHandle(held);
    ASSERT_TRUE(done);
    ScanStatisticsRecord record {};
    ASSERT_EQ(0u, VexomarGetScanStatistics("ALPHA", record.data(), 1024));
    const ScanStatistics s = DecodeScanStatistics(record);
    EXPECT_EQ(2u, s.filesToScan);
    EXPECT_EQ(1u, s.filesScanned);
    EXPECT_EQ(1u, s.filesNotScanned);
    EXPECT_EQ(0u, s.filesInfected);
    const std::string log = ScratchAlertHome::ReadText(m_site.DataFolder("ALPHA") + "\\VEXOMAR\\SCANLOG.LOG");
    EXPECT_NE(std::string::npos, log.find("\tW\t" + locked + " could not be scanned.\r\n"));
}

TEST_F(VexomarInstance, TheActivityLogKeepsToTheConfigurationTheInstanceTookUp)
{
    m_site.Install({"ALPHA"});
    // Informational messages only, at most 10 (the smallest the panel offers).
    const std::array<BYTE, 12> limits = {10, 0, 0, 0, 0, 0, 0, 0, 4, 0, 0, 0};
    ASSERT_EQ(0u, VexomarSetActivityLogConfig("ALPHA", limits.data(), 12, 0));
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    const InstanceControl alpha(m_site.Place("ALPHA"));
    for (int i = 0; i < 6; ++i) {
        ASSERT_EQ(0u, alpha.Pause());
        ASSERT_EQ(0u, alpha.Continue());
    }
    const std::string path = m_site.DataFolder("ALPHA") + "\\VEXOMAR\\ACTIVITY.LOG";
    const std::string log = ScratchAlertHome::ReadText(path);
    std::size_t lines = 0;
    for (std::size_t at = log.find("\r\n"); at != std::string::npos; at = log.find("\r\n", at + 2))
        ++lines;
    EXPECT_EQ(10u, lines);
    EXPECT_NE(std::string::npos, log.rfind("\tI\tThe service was continued.\r\n"));

    // A new record is taken up by the running instance: critical only, so nothing more is written.
    const std::array<BYTE, 12> critical = {10, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0};
    ASSERT_EQ(0u, VexomarSetActivityLogConfig("ALPHA", critical.data(), 12, 0));
    ServerStatus status;
    ASSERT_TRUE(WaitFor(
        [&] { return ServerStore(m_site.Place("ALPHA")).ReadStatus(status) == 0 && status.configSerial == 2; }, 5000));
    const std::string before = ScratchAlertHome::ReadText(path);
    ASSERT_EQ(0u, alpha.Pause());
    ASSERT_EQ(0u, alpha.Continue());
    EXPECT_EQ(before, ScratchAlertHome::ReadText(path));
}

TEST_F(VexomarInstance, AnInstanceRegisteredAgainStartsAsItsServiceRecordSays)
{
    m_site.Install({"ALPHA"});
    const std::string name = m_site.Place("ALPHA").ServiceName();
    ASSERT_EQ(DWORD(SERVICE_DEMAND_START), StartType(name));
    // Stored past the service core, as a data folder brought from elsewhere holds it.
    ASSERT_EQ(0u, ServerStore(m_site.Place("ALPHA")).ChangeConfig([](ServerConfig& config) {
        config.service = EncodeServiceConfig(ServiceConfig {7, 600, 1});
    }));
    Capture("VXMSVC.EXE", "/install ALPHA");
    EXPECT_EQ(DWORD(SERVICE_AUTO_START), StartType(name));
    ASSERT_EQ(0u, ServerStore(m_site.Place("ALPHA")).ChangeConfig([](ServerConfig& config) {
        config.service = EncodeServiceConfig(ServiceConfig {7, 600, 0});
    }));
    Capture("VXMSVC.EXE", "/install ALPHA");
    EXPECT_EQ(DWORD(SERVICE_DEMAND_START), StartType(name));
}

TEST_F(VexomarInstance, StateToolReportsStateWordVersionsAndTheFinishedJob)
{
    m_site.WriteFile(m_site.DataFolder("ALPHA") + "\\offer.com", TestVirusText());
    m_site.Install({"ALPHA", "BETA"});
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    ASSERT_TRUE(WaitFor([] { return JobBits("ALPHA") == kJobDone; }));
    const std::string report = Capture("VXMSTAT.EXE", "SALES");
    EXPECT_NE(std::string::npos,
        report.find("Server ALPHA in domain SALES\r\n  Service:     Active (service control manager state 4)\r\n"
                    "  State word:  0x0801\r\n  Real-time:   InActive\r\n  Job Status:  Done\r\n"))
        << report;
    EXPECT_NE(
        std::string::npos, report.find("  Versions:    Vexomar v1.00, Virus Signature v1.01, Engine v1.00, OS NT v"));
    EXPECT_NE(std::string::npos,
        report.find("  Counts:      folders 1, files scanned 1, infected 1, viruses 1, not scanned 0, to scan 1\r\n"));
    EXPECT_NE(std::string::npos,
        report.find("  Last virus:  EICAR-Test-File in " + m_site.DataFolder("ALPHA") + "\\offer.com\r\n"));
    EXPECT_NE(std::string::npos,
        report.find("Server BETA in domain SALES\r\n  Service:     Inactive (service control manager state 1)\r\n"
                    "  State word:  0x0000\r\n  Real-time:   NA\r\n  Job Status:  NA\r\n"))
        << report;
    EXPECT_NE(std::string::npos, Capture("VXMSTAT.EXE", "NOWHERE").find("NOWHERE is no server or domain of the site."));
}
