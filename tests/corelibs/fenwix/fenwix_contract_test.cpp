// FENWIX.DLL against a stand-in Alert Service pipe: what MakeAlert1 sends and what it returns.
#include <windows.h>

#include <cstring>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "fenwix.h"

namespace {

constexpr const char* kPipe = "\\\\.\\pipe\\MorwickAlert";

// Serves one request the way the Alert Service does and keeps the bytes it received.
class StandInService {
public:
    explicit StandInService(DWORD answer) : m_answer(answer)
    {
        m_pipe = CreateNamedPipeA(
            kPipe, PIPE_ACCESS_DUPLEX, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 64, 512, 0, nullptr);
        m_thread = std::thread([this] { Serve(); });
    }
    ~StandInService()
    {
        // Unblocks the accept when no caller ever came.
        HANDLE self = CreateFileA(kPipe, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        m_thread.join();
        if (self != INVALID_HANDLE_VALUE)
            CloseHandle(self);
        CloseHandle(m_pipe);
    }
    bool Listening() const { return m_pipe != INVALID_HANDLE_VALUE; }
    const std::vector<BYTE>& Received() const { return m_received; }

private:
    void Serve()
    {
        if (!ConnectNamedPipe(m_pipe, nullptr) && GetLastError() != ERROR_PIPE_CONNECTED)
            return;
        BYTE buffer[1024];
        DWORD done = 0;
        if (ReadFile(m_pipe, buffer, sizeof buffer, &done, nullptr)) {
            m_received.assign(buffer, buffer + done);
            WriteFile(m_pipe, &m_answer, 4, &done, nullptr);
            ReadFile(m_pipe, buffer, sizeof buffer, &done, nullptr);  // returns when the caller hangs up
        }
        DisconnectNamedPipe(m_pipe);
    }

    DWORD m_answer;
    HANDLE m_pipe = INVALID_HANDLE_VALUE;
    std::thread m_thread;
    std::vector<BYTE> m_received;
};

int Int32At(const std::vector<BYTE>& bytes, std::size_t at)
{
    int value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

std::string TextAt(const std::vector<BYTE>& bytes, std::size_t at, std::size_t size)
{
    const char* start = reinterpret_cast<const char*>(bytes.data() + at);
    return std::string(start, strnlen(start, size));
}

TEST(MakeAlert1, DetectionPairSendsOneCriticalMessage)
{
    StandInService service(0);
    ASSERT_TRUE(service.Listening());
    const char* text = "Manager Detected a Virus [Ripper] in [C:\\GAME.EXE] - [PC1]/[ann].";
    EXPECT_EQ(0, MakeAlert1("", -3, 1, "VEXOMAR", text, 0));
    EXPECT_EQ(0, MakeAlert1("", 2, 1, "VEXOMAR", "05", 0));
    const std::vector<BYTE>& bytes = service.Received();
    ASSERT_EQ(512u, bytes.size());
    EXPECT_EQ("MWA1", std::string(bytes.begin(), bytes.begin() + 4));
    EXPECT_EQ(2, Int32At(bytes, 4));
    EXPECT_EQ(1, Int32At(bytes, 8));
    EXPECT_EQ(1, Int32At(bytes, 12));
    EXPECT_EQ("VEXOMAR", TextAt(bytes, 16, 64));
    EXPECT_EQ(text, TextAt(bytes, 80, 256));
    EXPECT_EQ("05", TextAt(bytes, 336, 64));
    EXPECT_EQ("", TextAt(bytes, 400, 64));
    EXPECT_EQ(std::vector<BYTE>(48, 0), std::vector<BYTE>(bytes.begin() + 464, bytes.end()));
}

TEST(MakeAlert1, SingleCallCarriesItsOwnTextAndPriority)
{
    StandInService service(0);
    EXPECT_EQ(0, MakeAlert1(nullptr, 1, 4, "BACKUP", "Tape nearly full", 0));
    const std::vector<BYTE>& bytes = service.Received();
    ASSERT_EQ(512u, bytes.size());
    EXPECT_EQ(2, Int32At(bytes, 12));
    EXPECT_EQ(4, Int32At(bytes, 8));
    EXPECT_EQ("Tape nearly full", TextAt(bytes, 80, 256));
    EXPECT_EQ("", TextAt(bytes, 336, 64));
}

TEST(MakeAlert1, ServicesAnswerIsTheResult)
{
    StandInService service(1061);
    EXPECT_EQ(1061, MakeAlert1("", 1, 1, "VEXOMAR", "refused", 0));
}

TEST(MakeAlert1, NoServiceFailsAtOnceForBothKindsOfCall)
{
    const DWORD start = GetTickCount();
    EXPECT_EQ(1062, MakeAlert1("", -3, 1, "VEXOMAR", "staged", 0));
    EXPECT_EQ(1062, MakeAlert1("", 2, 1, "VEXOMAR", "05", 0));
    EXPECT_LT(GetTickCount() - start, 3000u);

    // The text staged while the service was away is not delivered later.
    StandInService service(0);
    EXPECT_EQ(0, MakeAlert1("", 2, 1, "VEXOMAR", "05", 0));
    EXPECT_EQ("05", TextAt(service.Received(), 80, 256));
}

TEST(MakeAlert1, MissingProductOrTextIsRefusedWithoutContact)
{
    EXPECT_EQ(87, MakeAlert1("", 2, 1, nullptr, "x", 0));
    EXPECT_EQ(87, MakeAlert1("", 2, 1, "", "x", 0));
    EXPECT_EQ(87, MakeAlert1("", 2, 1, "VEXOMAR", nullptr, 0));
}

}  // namespace
