// DRUMEL's status, start and stop against real instances, the logon rule and a real job run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drumel.h"
#include "instance_control.h"
#include "scan_statistics.h"
#include "scratch_site.h"
#include "server_store.h"
#include "state_word.h"

namespace {

DWORD Status(const char* server)
{
    DWORD status = 0;
    const DWORD error = VexomarGetServiceStatus(server, &status);
    return error ? error : status + 10000;  // 10001 stopped, 10004 running
}

DWORD StateWord(const char* server)
{
    DWORD word = 0xDEAD;
    return VexomarGetServerState(server, &word, nullptr, nullptr) == 0 ? word : 0xDEAD;
}

class DrumelService : public ::testing::Test {
protected:
    void TearDown() override
    {
        VexomarStopService("SALES");
        VexomarStopService("GAMMA");
        m_site.UninstallAll();
    }
    ScratchSite m_site;
};

}  // namespace

TEST_F(DrumelService, StatusOfInstalledMissingAndUnknownServers)
{
    m_site.Install({"ALPHA"});
    EXPECT_EQ(10001u, Status("ALPHA"));
    EXPECT_EQ(10001u, Status("\\\\alpha")) << "a UNC form and another case name the same server";
    EXPECT_EQ(1060u, Status("BETA")) << "not installed";
    EXPECT_EQ(1722u, Status("NOWHERE"));
    EXPECT_EQ(1722u, Status(std::string(64, 'A').c_str()));
    EXPECT_EQ(87u, VexomarGetServiceStatus("ALPHA", nullptr));
    EXPECT_EQ(0u, StateWord("ALPHA")) << "a stopped instance is inactive";
}

TEST_F(DrumelService, StartAndStopOneServerWithTheErrorsWindowsGives)
{
    m_site.Install({"ALPHA"});
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    EXPECT_EQ(10004u, Status("ALPHA"));
    EXPECT_EQ(1056u, VexomarStartService("ALPHA", 0)) << "already running";
    EXPECT_NE(0u, StateWord("ALPHA") & kStateRunning);
    ASSERT_EQ(0u, VexomarStopService("ALPHA"));
    EXPECT_EQ(10001u, Status("ALPHA"));
    EXPECT_EQ(1062u, VexomarStopService("ALPHA")) << "not active";
    EXPECT_EQ(0u, StateWord("ALPHA"));
    EXPECT_EQ(1062u, VexomarRunJob("ALPHA")) << "no job without a running instance";
    EXPECT_EQ(1060u, VexomarStartService("BETA", 0));
    EXPECT_EQ(1060u, VexomarStopService("BETA"));
    EXPECT_EQ(1722u, VexomarStartService("NOWHERE", 0));
}

TEST_F(DrumelService, ADomainNameStartsAndStopsEveryServerOfIt)
{
    m_site.Install({"ALPHA", "BETA"});
    ASSERT_EQ(0u, VexomarStartService("SALES", 0));
    EXPECT_EQ(10004u, Status("ALPHA"));
    EXPECT_EQ(10004u, Status("BETA"));
    EXPECT_EQ(10004u, Status("SALES"));
    ASSERT_EQ(0u, VexomarStopService("sales"));
    EXPECT_EQ(10001u, Status("ALPHA"));
    EXPECT_EQ(10001u, Status("BETA"));
}

namespace {

DWORD StartType(const std::string& serviceName, DWORD change = SERVICE_NO_CHANGE)
{
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = OpenServiceA(manager, serviceName.c_str(), SERVICE_QUERY_CONFIG | SERVICE_CHANGE_CONFIG);
    DWORD type = 0;
    if (service) {
        if (change != SERVICE_NO_CHANGE)
            ChangeServiceConfigA(service, SERVICE_NO_CHANGE, change, SERVICE_NO_CHANGE, nullptr, nullptr, nullptr,
                nullptr, nullptr, nullptr, nullptr);
        union {
            QUERY_SERVICE_CONFIGA config;
            BYTE room[8192];
        } buffer;
        DWORD needed = 0;
        if (QueryServiceConfigA(service, &buffer.config, sizeof buffer, &needed))
            type = buffer.config.dwStartType;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return type;
}

}  // namespace

TEST_F(DrumelService, TheStartupFieldIsTheInstancesStartType)
{
    m_site.Install({"ALPHA"});
    const std::string name = m_site.Place("ALPHA").ServiceName();
    EXPECT_EQ(DWORD(SERVICE_DEMAND_START), StartType(name));
    const BYTE automatic[12] = {7, 0, 0, 0, 0x58, 2, 0, 0, 1, 0, 0, 0};
    ASSERT_EQ(0u, VexomarSetServiceConfig("ALPHA", automatic, 12, 0));
    EXPECT_EQ(DWORD(SERVICE_AUTO_START), StartType(name));
    const BYTE manual[12] = {7, 0, 0, 0, 0x58, 2, 0, 0, 0, 0, 0, 0};
    ASSERT_EQ(0u, VexomarSetServiceConfig("ALPHA", manual, 12, 0));
    EXPECT_EQ(DWORD(SERVICE_DEMAND_START), StartType(name));
}

TEST_F(DrumelService, ADisabledInstanceAnswers1058)
{
    m_site.Install({"ALPHA"});
    StartType(m_site.Place("ALPHA").ServiceName(), SERVICE_DISABLED);
    EXPECT_EQ(1058u, VexomarStartService("ALPHA", 0));
    EXPECT_EQ(10001u, Status("ALPHA"));
}

TEST_F(DrumelService, PauseAndContinueShowInTheStateWord)
{
    m_site.Install({"ALPHA"});
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    const InstanceControl alpha(m_site.Place("ALPHA"));
    ASSERT_EQ(0u, alpha.Pause());
    EXPECT_TRUE(WaitFor([] { return (StateWord("ALPHA") & (kStatePaused | kStateRunning)) == kStatePaused; }, 5000));
    ASSERT_EQ(0u, alpha.Continue());
    EXPECT_TRUE(WaitFor([] { return (StateWord("ALPHA") & (kStatePaused | kStateRunning)) == kStateRunning; }, 5000));
}

TEST_F(DrumelService, AServerWithALogonFileAnswersAccessDeniedUntilLoggedOn)
{
    m_site.Install({"GAMMA"});
    // Logons last as long as the process; an earlier test's is taken back by a failed one.
    VexomarLogon("GAMMA", "admin", "not the password");
    BYTE record[12] = {};
    EXPECT_EQ(5u, VexomarGetServiceConfig("GAMMA", record, 12));
    EXPECT_EQ(5u, VexomarStartService("GAMMA", 0));
    EXPECT_EQ(5u, VexomarCheckAccess("RESEARCH"));
    EXPECT_EQ(10001u, Status("GAMMA")) << "the status needs no logon";
    EXPECT_EQ(1326u, VexomarLogon("GAMMA", "guest", "Secret"));
    EXPECT_EQ(86u, VexomarLogon("GAMMA", "ADMIN", "secret"));
    EXPECT_EQ(5u, VexomarGetServiceConfig("GAMMA", record, 12));
    ASSERT_EQ(0u, VexomarLogon("GAMMA", "ADMIN", "Secret"));
    EXPECT_EQ(0u, VexomarGetServiceConfig("GAMMA", record, 12));
    EXPECT_EQ(0u, VexomarCheckAccess("GAMMA"));
    EXPECT_EQ(0u, VexomarLogon("ALPHA", "anyone", "")) << "a server without a logon file takes anyone";
    EXPECT_EQ(0u, VexomarStartService("GAMMA", 0));
    EXPECT_EQ(0u, VexomarStopService("GAMMA"));
    // A later failed logon takes the access away again.
    EXPECT_EQ(86u, VexomarLogon("GAMMA", "admin", "wrong"));
    EXPECT_EQ(5u, VexomarGetServiceConfig("GAMMA", record, 12));
}

TEST_F(DrumelService, AJobFindsThePlantedFileAndFillsTheStatistics)
{
    CreateDirectoryA((m_site.DataFolder("ALPHA") + "\\shared").c_str(), nullptr);
    m_site.WriteFile(m_site.DataFolder("ALPHA") + "\\shared\\report.com", TestVirusText());
    m_site.WriteFile(m_site.DataFolder("ALPHA") + "\\readme.txt", "nothing to see\r\n");
    m_site.Install({"ALPHA"});
    ASSERT_EQ(0u, VexomarStartService("ALPHA", 0));
    ASSERT_TRUE(WaitFor([] { return (StateWord("ALPHA") & kJobMask) == kJobDone; }));

    DWORD word = 0, lastScan = 0, versions[4] = {};
    ASSERT_EQ(0u, VexomarGetServerState("ALPHA", &word, versions, &lastScan));
    EXPECT_EQ(0x00010000u, versions[0]) << "product v1.00";
    EXPECT_EQ(0x00010000u, versions[2]) << "engine v1.00";
    EXPECT_NE(0u, versions[1]) << "signature version from VIRSIG.DAT";
    EXPECT_NE(0u, lastScan);

    ScanStatisticsRecord record {};
    ASSERT_EQ(0u, VexomarGetScanStatistics("ALPHA", record.data(), 1024));
    const ScanStatistics s = DecodeScanStatistics(record);
    EXPECT_EQ(100u, s.progress);
    EXPECT_EQ(kJobDone, s.jobState);
    EXPECT_EQ(2u, s.filesToScan) << "the store folder VEXOMAR is not scanned";
    EXPECT_EQ(2u, s.filesScanned);
    EXPECT_EQ(1u, s.filesInfected);
    EXPECT_EQ(0u, s.filesNotScanned);
    EXPECT_EQ("EICAR-Test-File", s.lastVirus);
    EXPECT_EQ(m_site.DataFolder("ALPHA") + "\\shared\\report.com", s.lastInfectedFile);
    EXPECT_EQ("ALPHA", s.targetName);
    EXPECT_EQ(m_site.DataFolder("ALPHA"), s.targetFolder);
    EXPECT_EQ(87u, VexomarGetScanStatistics("ALPHA", record.data(), 1000));

    const std::string log = ScratchAlertHome::ReadText(m_site.DataFolder("ALPHA") + "\\VEXOMAR\\SCANLOG.LOG");
    EXPECT_NE(std::string::npos, log.find("\tC\tVirus EICAR-Test-File found in " + s.lastInfectedFile + ".\r\n"));

    // A job asked for runs at once, although the schedule's next one is an hour away.
    ASSERT_EQ(0u, VexomarRunJob("ALPHA"));
    ServerStatus status;
    EXPECT_TRUE(
        WaitFor([&] { return ServerStore(m_site.Place("ALPHA")).ReadStatus(status) == 0 && status.jobsRun == 2; }));
}

TEST_F(DrumelService, AccessOfManyNamesAnswersAsEachNameAlone)
{
    VexomarLogon("GAMMA", "admin", "not the password");
    const std::string overlong(64, 'X');
    const char* names[] = {"ALPHA", "gamma", "RESEARCH", "SALES", "NOWHERE", "", overlong.c_str(), nullptr};
    constexpr DWORD kNames = sizeof names / sizeof names[0];
    auto each = [&] {
        std::vector<DWORD> answers(kNames, 0xDEAD);
        EXPECT_EQ(0u, VexomarCheckAccessEach(names, kNames, answers.data()));
        return answers;
    };
    auto alone = [&] {
        std::vector<DWORD> answers;
        for (const char* name : names)
            answers.push_back(VexomarCheckAccess(name));
        return answers;
    };
    EXPECT_EQ((std::vector<DWORD> {0, 5, 5, 0, 1722, 0, 1722, 0}), each());
    EXPECT_EQ(alone(), each());
    ASSERT_EQ(0u, VexomarLogon("GAMMA", "admin", "Secret"));
    EXPECT_EQ(alone(), each());
    EXPECT_EQ(0u, each()[1]);

    DWORD answer = 0;
    EXPECT_EQ(87u, VexomarCheckAccessEach(nullptr, 1, &answer));
    EXPECT_EQ(87u, VexomarCheckAccessEach(names, 1, nullptr));
    EXPECT_EQ(0u, VexomarCheckAccessEach(nullptr, 0, nullptr)) << "nothing to check";
    VexomarLogon("GAMMA", "admin", "wrong");
}
