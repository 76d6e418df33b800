// DeliverBroadcast against the real messenger, VXMSGR.EXE, started beside the test: what its
// windows showed (its record file), domains expanded to their servers, and the failures logged.
#include <windows.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "alert_delivery.h"
#include "alert_home.h"
#include "alert_service_suite.h"
#include "broadcast_record.h"
#include "domain_browser.h"
#include "messenger_sender.h"
#include "messenger_slot.h"
#include "scratch_alert_home.h"

namespace {

using Lines = std::vector<std::pair<std::string, std::string>>;

class RecordingContext : public DeliveryContext {
public:
    RecordingContext() : m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~RecordingContext() override { CloseHandle(m_stop); }

    bool Stopping() const override { return WaitForSingleObject(m_stop, 0) == WAIT_OBJECT_0; }
    bool Wait(DWORD ms) const override { return WaitForSingleObject(m_stop, ms) == WAIT_TIMEOUT; }
    HANDLE StopEvent() const override { return m_stop; }
    void Log(NotifyMethod method, const std::string& recipient, const std::string& outcome) override
    {
        EXPECT_EQ(method, NotifyMethod::Broadcast);
        lines.emplace_back(recipient, outcome);
    }

    void Stop() { SetEvent(m_stop); }

    Lines lines;

private:
    HANDLE m_stop;
};

ApplicationSettings BroadcastTo(const std::vector<std::string>& stored)
{
    std::vector<std::uint8_t> list(stored.size() * sizeof(BroadcastRecord), 0);
    for (std::size_t i = 0; i < stored.size(); ++i)
        std::memcpy(list.data() + i * sizeof(BroadcastRecord), stored[i].data(), stored[i].size());
    ApplicationSettings settings;
    settings.SetRecipients(NotifyMethod::Broadcast, list.data(), stored.size(), true);
    return settings;
}

DeliveredAlert Detection()
{
    DeliveredAlert alert;
    alert.id = "broadcast-1";
    alert.application = "VEXOMAR";
    alert.text = "Manager Detected a Virus [Ripper] in [C:\\DATA\\GAME.EXE] - [PC1]/[ann].";
    alert.code = "05";
    alert.server = "PC1";
    alert.priority = 1;
    alert.time = {2026, 12, 9, 8, 30, 15};
    return alert;
}

// What every window of the detection shows, as the messenger records it.
std::string RecordOf(const std::string& local, const std::string& to)
{
    return "Message from " + local + " to " + to
        + "\tCritical alert of VEXOMAR on PC1 at 12/09/2026 08:30:15\\r\\n"
          "Manager Detected a Virus [Ripper] in [C:\\\\DATA\\\\GAME.EXE] - [PC1]/[ann].\\r\\nEvent code: 05\r\n";
}

// The messenger, started beside the test with a record file, stopped with "VXMSGR /stop".
class RunningMessenger {
public:
    explicit RunningMessenger(const std::string& record)
    {
        std::string command = "\"" + PathBesideTest("VXMSGR.EXE") + "\" /log \"" + record + "\"";
        STARTUPINFOA startup {};
        startup.cb = sizeof startup;
        if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &m_process))
            return;
        CloseHandle(m_process.hThread);
        // Its mailslots exist once it reads them; the site servers' slots are made last.
        for (int i = 0; i < 200 && !m_ready; ++i) {
            HANDLE slot = CreateFileA("\\\\.\\mailslot\\messngr\\GAMMA", GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                OPEN_EXISTING, 0, nullptr);
            if (slot != INVALID_HANDLE_VALUE) {
                CloseHandle(slot);
                m_ready = true;
            } else if (WaitForSingleObject(m_process.hProcess, 50) == WAIT_OBJECT_0) {
                break;
            }
        }
    }
    ~RunningMessenger()
    {
        if (!m_process.hProcess)
            return;
        if (WaitForSingleObject(m_process.hProcess, 0) == WAIT_TIMEOUT) {
            RunBesideTest("VXMSGR.EXE", "/stop");
            if (WaitForSingleObject(m_process.hProcess, 10000) == WAIT_TIMEOUT)
                TerminateProcess(m_process.hProcess, 99);
        }
        CloseHandle(m_process.hProcess);
    }
    RunningMessenger(const RunningMessenger&) = delete;
    RunningMessenger& operator=(const RunningMessenger&) = delete;

    bool Ready() const { return m_ready; }
    // Closes one of its message windows, as its close box would.
    bool CloseOneWindow() const
    {
        WindowSearch search {m_process.dwProcessId, nullptr};
        EnumWindows(FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        return search.found && PostMessageA(search.found, WM_CLOSE, 0, 0);
    }
    // Ends it as the session's end does; its exit code, or -1 when it did not end in time.
    int Stop()
    {
        if (RunBesideTest("VXMSGR.EXE", "/stop") != 0 || WaitForSingleObject(m_process.hProcess, 10000) != WAIT_OBJECT_0)
            return -1;
        DWORD code = 0;
        GetExitCodeProcess(m_process.hProcess, &code);
        return static_cast<int>(code);
    }

private:
    struct WindowSearch {
        DWORD process;
        HWND found;
    };
    static BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter)
    {
        auto& search = *reinterpret_cast<WindowSearch*>(parameter);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != search.process || !IsWindowVisible(window))
            return TRUE;
        search.found = window;
        return FALSE;
    }

    PROCESS_INFORMATION m_process {};
    bool m_ready = false;
};

std::size_t LineCount(const std::string& text)
{
    std::size_t count = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2))
        ++count;
    return count;
}

// The record file once it holds `lines` lines (or after ten seconds, whatever it holds).
std::string RecordWithLines(const std::string& path, std::size_t lines)
{
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text = ScratchAlertHome::ReadText(path);
        if (LineCount(text) >= lines)
            break;
        Sleep(50);
    }
    return text;
}

class BroadcastDeliveryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_home.UseSite("[SALES]\r\nALPHA=C:\\SITE\\ALPHA\r\nBETA=C:\\SITE\\BETA\r\n"
                       "[RESEARCH]\r\nGAMMA=C:\\SITE\\GAMMA\r\n[EMPTY]\r\n");
    }

    ScratchAlertHome m_home {"broadcast"};
    const std::string m_local = AlertHome::LocalComputerName();
    const std::string m_record = m_home.File("SHOWN.TXT");
};

TEST_F(BroadcastDeliveryTest, EachComputerAndEveryServerOfADomainGetsTheMessageOnce)
{
    RunningMessenger messenger(m_record);
    ASSERT_TRUE(messenger.Ready());
    RecordingContext context;
    // ALPHA is named again through SALES: it gets one window.
    DeliverBroadcast(Detection(), BroadcastTo({"\\\\" + m_local, "\\\\ALPHA", "SALES*", "RESEARCH*"}), context);
    EXPECT_EQ(context.lines, (Lines {
        {"\\\\" + m_local, "delivered to the messenger"},
        {"\\\\ALPHA", "delivered to the messenger"},
        {"\\\\BETA of domain SALES", "delivered to the messenger"},
        {"\\\\GAMMA of domain RESEARCH", "delivered to the messenger"},
    }));
    EXPECT_EQ(RecordWithLines(m_record, 4),
        RecordOf(m_local, m_local) + RecordOf(m_local, "ALPHA") + RecordOf(m_local, "BETA") + RecordOf(m_local, "GAMMA"));
    EXPECT_EQ(messenger.Stop(), 0);
}

TEST_F(BroadcastDeliveryTest, UnknownComputersAndDomainsAreLoggedAsFailed)
{
    RunningMessenger messenger(m_record);
    ASSERT_TRUE(messenger.Ready());
    RecordingContext context;
    DeliverBroadcast(Detection(), BroadcastTo({"\\\\NOSUCHPC", "ELSEWHERE*", "EMPTY*", "\\\\A\\B", "\\\\BETA"}), context);
    EXPECT_EQ(context.lines, (Lines {
        {"\\\\NOSUCHPC", "not delivered: the computer NOSUCHPC cannot be reached (error 3)"},
        {"domain ELSEWHERE", "not delivered: no computer of the domain is known"},
        {"domain EMPTY", "not delivered: the domain EMPTY has no servers"},
        {"\\\\A\\B", "not delivered: the recipient \"\\\\A\\B\" is not a computer name"},
        {"\\\\BETA", "delivered to the messenger"},
    }));
    // Only BETA's window came up.
    EXPECT_EQ(RecordWithLines(m_record, 1), RecordOf(m_local, "BETA"));
}

TEST_F(BroadcastDeliveryTest, AServerWithoutARunningMessengerIsLoggedAsFailed)
{
    RecordingContext context;
    DeliverBroadcast(Detection(), BroadcastTo({"\\\\ALPHA", "\\\\" + m_local}), context);
    EXPECT_EQ(context.lines, (Lines {
        {"\\\\ALPHA", "not delivered: no messenger is running on ALPHA"},
        {"\\\\" + m_local, "not delivered: no messenger is running on " + m_local},
    }));
}

TEST_F(BroadcastDeliveryTest, DisabledOrStoppingDeliversNothing)
{
    ApplicationSettings disabled;
    BroadcastRecord record {};
    std::memcpy(record.name, "\\\\ALPHA", 7);
    disabled.SetRecipients(NotifyMethod::Broadcast, reinterpret_cast<const std::uint8_t*>(&record), 1, false);
    RecordingContext context;
    DeliverBroadcast(Detection(), disabled, context);
    context.Stop();
    DeliverBroadcast(Detection(), BroadcastTo({"\\\\ALPHA"}), context);
    EXPECT_TRUE(context.lines.empty());
}

TEST_F(BroadcastDeliveryTest, AFloodOfMessagesWaitsInTheMailslotUntilAWindowCloses)
{
    RunningMessenger messenger(m_record);
    ASSERT_TRUE(messenger.Ready());
    const int sent = 33;
    for (int i = 1; i <= sent; ++i) {
        const auto datagrams = messenger_message::Encode(
            {"HQ", "ALPHA", "message " + std::to_string(i)}, messenger_message::kLocalDatagramLimit);
        ASSERT_EQ(messenger_sender::WriteMailslot(messenger_slot::SiteServerSlot("ALPHA"), datagrams), 0u);
    }
    EXPECT_EQ(LineCount(RecordWithLines(m_record, 32)), 32u);
    // Three more looks at the mailslot: the last message still waits.
    Sleep(3 * 200);
    EXPECT_EQ(LineCount(ScratchAlertHome::ReadText(m_record)), 32u);
    ASSERT_TRUE(messenger.CloseOneWindow());
    const std::string record = RecordWithLines(m_record, 33);
    EXPECT_EQ(LineCount(record), 33u);
    EXPECT_NE(record.find("Message from HQ to ALPHA\tmessage 33\r\n"), std::string::npos);
}

TEST_F(BroadcastDeliveryTest, TheNetworkListsADomainsServersThroughTheProvider)
{
    // VXMNET.DLL, the prefix's network provider, shows the same site.
    EXPECT_EQ(domain_browser::ServersOf("sales", nullptr), (std::vector<std::string> {"ALPHA", "BETA"}));
    EXPECT_TRUE(domain_browser::ServersOf("ELSEWHERE", nullptr).empty());
}

TEST_F(BroadcastDeliveryTest, ASecondMessengerLeavesTheMailslotsToTheFirst)
{
    RunningMessenger first(m_record);
    ASSERT_TRUE(first.Ready());
    EXPECT_EQ(RunBesideTest("VXMSGR.EXE", "/log \"" + m_home.File("SECOND.TXT") + "\""), 1);
    EXPECT_EQ(first.Stop(), 0);
}

}  // namespace
