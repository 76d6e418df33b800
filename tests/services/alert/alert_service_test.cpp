// ALERTSVC.EXE under the service control manager: install, control, and alerts from FENWIX.DLL.
#include <windows.h>

#include <cstring>
#include <ctime>
#include <set>
#include <thread>

#include <gtest/gtest.h>

#include "fenwix.h"
#include "halden.h"
#include "alert_service_suite.h"

namespace {

constexpr const char* kDetection = "Manager Detected a Virus [Ripper] in [C:\\DATA\\GAME.EXE] - [PC1]/[ann].";

std::vector<BYTE> Slot(const std::vector<BYTE>& table, std::size_t index)
{
    return std::vector<BYTE>(table.begin() + static_cast<std::ptrdiff_t>(index * 256),
        table.begin() + static_cast<std::ptrdiff_t>(index * 256 + 256));
}

int Int32At(const std::vector<BYTE>& bytes, std::size_t at)
{
    int value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::vector<BYTE> Record(const char* eventFile, const char* description, std::int8_t priority)
{
    std::vector<BYTE> slot(256, 0);
    std::memcpy(slot.data(), "ALERT", 6);
    std::memcpy(slot.data() + 6, eventFile, std::strlen(eventFile));
    std::memcpy(slot.data() + 19, description, std::strlen(description));
    std::memcpy(slot.data() + 147, "OLD", 3);
    slot[156] = static_cast<BYTE>(priority);
    return slot;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// An event-log recipient: the platform's own call, which answers even under Wine.
void SetEventLogOf(const char* application, const char* machine)
{
    void* list = GlobalAlloc(GPTR, 52);
    std::memcpy(list, machine, std::strlen(machine));
    ASSERT_EQ(1, AlertSetEventLog("", 1, list, 1, application));
    GlobalFree(list);
}

// A trouble ticket to a queue that no spooler knows: each try fails, and a retry waits.
void SetTicketOf(const char* application, const char* queue)
{
    void* list = GlobalAlloc(GPTR, 208);
    std::memcpy(static_cast<BYTE*>(list) + 100, queue, std::strlen(queue));
    std::vector<BYTE> block(3944, 0);
    ASSERT_EQ(1, AlertSetTTixPRINTQ_HEADER("", 1, list, block.data(), 1, application));
    GlobalFree(list);
}

// The log's lines once it holds at least `count` (deliveries are written by their workers,
// after MakeAlert1 has had its answer).
std::vector<std::string> LogLinesOnceThere(const std::string& path, std::size_t count)
{
    std::vector<std::string> lines;
    for (int wait = 0; wait < 400; ++wait) {
        lines = Lines(ScratchAlertHome::ReadText(path));
        if (lines.size() >= count)
            break;
        Sleep(25);
    }
    return lines;
}

class AlertServiceTest : public AlertServiceSuite {
protected:
    void SetUp() override
    {
        RemoveTree(m_home->File("EVENTLOG"));
        RemoveTree(m_home->File("LOG"));
        RemoveTree(m_home->File("APPS"));
        RemoveTree(m_home->File("DELIVERY"));
        AlertServiceSuite::SetUp();
    }
};

TEST_F(AlertServiceTest, InstallPreparesTheHomeAndRegistersTheScanner)
{
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_home->File("LOG").c_str()));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_home->File("EVENTLOG").c_str()));
    WORD count = 0;
    void* names = nullptr;
    ASSERT_EQ(1, AlertGetApplicationALT("", &count, &names));
    ASSERT_EQ(2, count);
    EXPECT_STREQ("ALERT", static_cast<const char*>(names));
    EXPECT_STREQ("VEXOMAR", static_cast<const char*>(names) + 64);
    GlobalFree(names);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), ServiceState());
    // Installing twice only refreshes the entry.
    EXPECT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/install"));
}

TEST_F(AlertServiceTest, StartPauseContinueStopThroughTheCore)
{
    ASSERT_EQ(0, AlertStartService("", 0));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), ServiceState());
    EXPECT_EQ(ERROR_SERVICE_ALREADY_RUNNING, AlertStartService("", 0));
    ASSERT_EQ(0, AlertPauseService("", 0));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_PAUSED), ServiceState());
    ASSERT_EQ(0, AlertContinueService("", 0));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), ServiceState());

    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    GetComputerNameA(computer, &size);
    ASSERT_EQ(0, AlertStopService(computer, 0));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), ServiceState());
    EXPECT_EQ(ERROR_SERVICE_NOT_ACTIVE, AlertStopService("", 0));
    EXPECT_EQ(ERROR_SERVICE_NOT_ACTIVE, AlertPauseService("", 0));
}

TEST_F(AlertServiceTest, ScannerDetectionBecomesOneCriticalRecordWithLogLines)
{
    SetEventLogOf("VEXOMAR", "\\\\.");
    SetEventLogOf("ALERT", "\\\\NOT-FOR-SCANNER");
    ASSERT_EQ(0, AlertStartService("", 0));
    const std::int32_t before = static_cast<std::int32_t>(std::time(nullptr));
    ASSERT_EQ(0, MakeAlert1("", -3, 1, "VEXOMAR", kDetection, 0));
    ASSERT_EQ(0, MakeAlert1("", 2, 1, "VEXOMAR", "05", 0));
    const std::int32_t after = static_cast<std::int32_t>(std::time(nullptr));

    const auto table = ScratchAlertHome::ReadBytes(m_home->File("EVENTLOG\\ALRECORD.TBL"));
    ASSERT_EQ(512u, table.size());
    EXPECT_EQ(1, Int32At(table, 0));
    EXPECT_EQ(0, Int32At(table, 4));
    EXPECT_EQ(0, Int32At(table, 8));
    const auto slot = Slot(table, 1);
    EXPECT_EQ(0, std::memcmp(slot.data(), "ALERT\0", 6));
    EXPECT_STREQ("AL000001.EVT", reinterpret_cast<const char*>(slot.data() + 6));
    EXPECT_STREQ(kDetection, reinterpret_cast<const char*>(slot.data() + 19));
    EXPECT_STREQ("VEXOMAR", reinterpret_cast<const char*>(slot.data() + 147));
    EXPECT_EQ(1, slot[156]);
    const int when = Int32At(slot, 157);
    EXPECT_GE(when, before);
    EXPECT_LE(when, after);
    EXPECT_EQ(std::vector<BYTE>(95, 0), std::vector<BYTE>(slot.begin() + 161, slot.end()));

    const std::string event = ScratchAlertHome::ReadText(m_home->File("EVENTLOG\\AL000001.EVT"));
    EXPECT_EQ(0u,
        event.find(std::string("Alert: ") + kDetection +
            "\r\nApplication: VEXOMAR\r\nPriority: Critical\r\n"
            "Type: 2\r\nCount: 1\r\nEvent code: 05\r\n"));

    // The alert's line, then its delivery, naming the alert's event file; the ALERT
    // application's recipient is not the scanner's.
    const auto lines = LogLinesOnceThere(m_home->File("LOG\\ALERT.LOG"), 2);
    ASSERT_EQ(2u, lines.size());
    // "MM/DD/YYYY hh:mm:ss " comes first on every line.
    EXPECT_EQ(20u, lines[0].find("Critical alert of VEXOMAR: "));
    EXPECT_EQ(std::string("Critical alert of VEXOMAR: ") + kDetection + " (AL000001.EVT)", lines[0].substr(20));
    EXPECT_EQ("VEXOMAR alert (AL000001.EVT) by event log to \\\\.: reported", lines[1].substr(20));
    Sleep(100);
    EXPECT_EQ(2u, Lines(ScratchAlertHome::ReadText(m_home->File("LOG\\ALERT.LOG"))).size());

    BYTE statistics[256];
    ASSERT_EQ(1, AlertGetStatistics("", statistics));
    EXPECT_EQ(1, Int32At(std::vector<BYTE>(statistics, statistics + 12), 0));
}

TEST_F(AlertServiceTest, FreeSlotIsReusedAndItsPriorityCounted)
{
    std::vector<BYTE> table(256, 0);
    int counts[3] = {2, 0, 5};
    std::memcpy(table.data(), counts, sizeof counts);
    const auto first = Record("OLD1.EVT", "first", 0);
    table.insert(table.end(), first.begin(), first.end());
    table.insert(table.end(), 256, 0);
    const auto third = Record("OLD3.EVT", "third", 3);
    table.insert(table.end(), third.begin(), third.end());
    ScratchAlertHome::WriteBytes(m_home->File("EVENTLOG\\ALRECORD.TBL"), table);

    ASSERT_EQ(0, AlertStartService("", 0));
    ASSERT_EQ(0, MakeAlert1("", 0, 1, "VEXOMAR", "Scan finished", 0));
    const auto after = ScratchAlertHome::ReadBytes(m_home->File("EVENTLOG\\ALRECORD.TBL"));
    ASSERT_EQ(1024u, after.size());
    EXPECT_EQ(2, Int32At(after, 0));
    EXPECT_EQ(0, Int32At(after, 4));
    EXPECT_EQ(6, Int32At(after, 8));
    EXPECT_EQ(first, Slot(after, 1));
    EXPECT_EQ(third, Slot(after, 3));
    const auto reused = Slot(after, 2);
    EXPECT_STREQ("AL000002.EVT", reinterpret_cast<const char*>(reused.data() + 6));
    EXPECT_STREQ("Scan finished", reinterpret_cast<const char*>(reused.data() + 19));
    EXPECT_EQ(3, reused[156]);
}

TEST_F(AlertServiceTest, PausedServiceRefusesAlertsUntilContinued)
{
    ASSERT_EQ(0, AlertStartService("", 0));
    ASSERT_EQ(0, AlertPauseService("", 0));
    EXPECT_EQ(1061, MakeAlert1("", 1, 1, "VEXOMAR", "while paused", 0));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_home->File("EVENTLOG\\ALRECORD.TBL").c_str()));
    ASSERT_EQ(0, AlertContinueService("", 0));
    EXPECT_EQ(0, MakeAlert1("", 1, 1, "VEXOMAR", "after continue", 0));
    const auto table = ScratchAlertHome::ReadBytes(m_home->File("EVENTLOG\\ALRECORD.TBL"));
    ASSERT_EQ(512u, table.size());
    EXPECT_EQ(1, Int32At(table, 4));
}

TEST_F(AlertServiceTest, StoppedServiceFailsBothCallsAtOnce)
{
    ASSERT_EQ(static_cast<DWORD>(SERVICE_STOPPED), ServiceState());
    const DWORD start = GetTickCount();
    EXPECT_EQ(1062, MakeAlert1("", -3, 1, "VEXOMAR", kDetection, 0));
    EXPECT_EQ(1062, MakeAlert1("", 2, 1, "VEXOMAR", "05", 0));
    // Far below any pipe wait: nothing waited for a service that is not there.
    EXPECT_LT(GetTickCount() - start, 3000u);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(m_home->File("EVENTLOG\\ALRECORD.TBL").c_str()));
}

TEST_F(AlertServiceTest, ApplicationWithoutSettingsIsDeliveredByAlertsSettings)
{
    SetEventLogOf("ALERT", "\\\\.");
    ASSERT_EQ(0, AlertStartService("", 0));
    ASSERT_EQ(0, MakeAlert1("", 3, 1, "backup", "Tape failed", 0));
    const auto lines = LogLinesOnceThere(m_home->File("LOG\\ALERT.LOG"), 2);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("Critical alert of BACKUP: Tape failed (AL000001.EVT)", lines[0].substr(20));
    EXPECT_EQ("BACKUP alert (AL000001.EVT) by event log to \\\\.: reported", lines[1].substr(20));
    EXPECT_EQ(87, MakeAlert1("", 3, 1, "..\\X", "Tape failed", 0));
    EXPECT_EQ(87, MakeAlert1("", 3, 1, nullptr, "Tape failed", 0));
}

TEST_F(AlertServiceTest, DamagedSettingsStillRecordTheAlertButDeliverNothing)
{
    SetEventLogOf("ALERT", "\\\\.");
    ScratchAlertHome::WriteBytes(m_home->File("APPS\\VEXOMAR.ALS"), std::vector<BYTE>(300, 0x41));
    ASSERT_EQ(0, AlertStartService("", 0));
    ASSERT_EQ(0, MakeAlert1("", 2, 1, "VEXOMAR", "Virus found", 0));
    const auto lines = Lines(ScratchAlertHome::ReadText(m_home->File("LOG\\ALERT.LOG")));
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("Critical alert of VEXOMAR: Virus found (AL000001.EVT)", lines[0].substr(20));
    EXPECT_EQ("VEXOMAR alert not delivered: its settings cannot be read", lines[1].substr(20));
}

TEST_F(AlertServiceTest, AlertsFromManyCallersAtOnceAreAllRecorded)
{
    ASSERT_EQ(0, AlertStartService("", 0));
    constexpr int kCallers = 4, kEach = 5;
    std::vector<std::thread> callers;
    std::vector<int> failures(kCallers, 0);
    for (int c = 0; c < kCallers; ++c) {
        callers.emplace_back([c, &failures] {
            for (int i = 0; i < kEach; ++i) {
                const std::string text = "caller " + std::to_string(c) + " alert " + std::to_string(i);
                if (MakeAlert1("", 1, 1, "VEXOMAR", text.c_str(), 0) != 0)
                    ++failures[c];
            }
        });
    }
    for (std::thread& caller : callers)
        caller.join();
    EXPECT_EQ(std::vector<int>(kCallers, 0), failures);
    const auto table = ScratchAlertHome::ReadBytes(m_home->File("EVENTLOG\\ALRECORD.TBL"));
    ASSERT_EQ(256u * (kCallers * kEach + 1), table.size());
    EXPECT_EQ(kCallers * kEach, Int32At(table, 4));
    std::set<std::string> texts, files;
    for (int slot = 1; slot <= kCallers * kEach; ++slot) {
        const auto bytes = Slot(table, slot);
        EXPECT_EQ(0, std::memcmp(bytes.data(), "ALERT\0", 6));
        texts.insert(reinterpret_cast<const char*>(bytes.data() + 19));
        files.insert(reinterpret_cast<const char*>(bytes.data() + 6));
    }
    EXPECT_EQ(static_cast<std::size_t>(kCallers * kEach), texts.size());
    EXPECT_EQ(static_cast<std::size_t>(kCallers * kEach), files.size());
    EXPECT_EQ(static_cast<std::size_t>(kCallers * kEach),
        Lines(ScratchAlertHome::ReadText(m_home->File("LOG\\ALERT.LOG"))).size());
}

TEST_F(AlertServiceTest, AStopCutsADeliveryShortAndTheNextStartTakesItUpAgain)
{
    SetTicketOf("VEXOMAR", "\\\\NOWHERE\\NOQUEUE");
    ASSERT_EQ(0, AlertStartService("", 0));
    const DWORD start = GetTickCount();
    ASSERT_EQ(0, MakeAlert1("", 1, 1, "VEXOMAR", "Disk full", 0));
    // The answer does not wait for the ticket, whose second try is seconds away.
    EXPECT_LT(GetTickCount() - start, 2000u);
    Sleep(500);
    const DWORD stopping = GetTickCount();
    ASSERT_EQ(0, AlertStopService("", 0));
    EXPECT_LT(GetTickCount() - stopping, 4000u);
    auto lines = LogLinesOnceThere(m_home->File("LOG\\ALERT.LOG"), 2);
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("VEXOMAR alert (AL000001.EVT) by trouble ticket to \\\\NOWHERE\\NOQUEUE: not delivered: the service "
              "stopped before the job was tried again",
        lines[1].substr(20));
    WIN32_FIND_DATAA found = {};
    HANDLE kept = FindFirstFileA(m_home->File("DELIVERY\\TICKET\\*.DLV").c_str(), &found);
    ASSERT_NE(INVALID_HANDLE_VALUE, kept);
    FindClose(kept);

    ASSERT_EQ(0, AlertStartService("", 0));
    lines = LogLinesOnceThere(m_home->File("LOG\\ALERT.LOG"), 3);
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ(0u, lines[2].substr(20).find("VEXOMAR alert (AL000001.EVT) by trouble ticket to \\\\NOWHERE\\NOQUEUE: "
                                          "not delivered: the print queue cannot be opened"))
        << lines[2];
    Sleep(200);
    EXPECT_EQ(INVALID_HANDLE_VALUE, FindFirstFileA(m_home->File("DELIVERY\\TICKET\\*.DLV").c_str(), &found));
    ASSERT_EQ(0, AlertStopService("", 0));
}

TEST_F(AlertServiceTest, InstallWithoutHomeMakesTheDefaultHome)
{
    const bool existed = GetFileAttributesA("C:\\MORWICK") != INVALID_FILE_ATTRIBUTES;
    m_home->ForgetHome();
    ASSERT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/install"));
    char text[512] = {};
    ASSERT_EQ(1, AlertGetHomeDir("", text));
    EXPECT_STREQ("C:\\MORWICK\\ALERT", text);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\MORWICK\\ALERT\\EVENTLOG"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\MORWICK\\ALERT\\APPS\\VEXOMAR.ALS"));
    if (!existed)
        RemoveTree("C:\\MORWICK");
    // Back to the suite's scratch home for the tests that follow; the old one first puts
    // the registry back as it found it.
    m_home.reset();
    m_home = std::make_unique<ScratchAlertHome>("service");
}

TEST_F(AlertServiceTest, StartOptionStartsOnceAndLeavesARunningServiceAlone)
{
    EXPECT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/start"));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), ServiceState());
    EXPECT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/start"));
    EXPECT_EQ(static_cast<DWORD>(SERVICE_RUNNING), ServiceState());
    EXPECT_EQ(1, RunBesideTest("ALERTSVC.EXE", "/nonsense"));
}

TEST_F(AlertServiceTest, PipeTakenByAnotherProgramStopsTheStart)
{
    HANDLE squatter =
        CreateNamedPipeA("\\\\.\\pipe\\MorwickAlert", PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE, 1, 64, 512, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, squatter);
    const int result = AlertStartService("", 0);
    CloseHandle(squatter);
    EXPECT_NE(0, result);
    EXPECT_EQ(static_cast<DWORD>(SERVICE_STOPPED), ServiceState());
    EXPECT_EQ(0, AlertStartService("", 0));
}

TEST_F(AlertServiceTest, UninstallStopsAndRemovesTheService)
{
    ASSERT_EQ(0, AlertStartService("", 0));
    EXPECT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/uninstall"));
    EXPECT_FALSE(ServiceInstalled());
    EXPECT_EQ(1062, MakeAlert1("", 1, 1, "VEXOMAR", "gone", 0));
    EXPECT_EQ(0, RunBesideTest("ALERTSVC.EXE", "/uninstall"));
}

}  // namespace
