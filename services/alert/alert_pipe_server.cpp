// Overlapped accept, read, answer and hang-up on the alert pipe, each wait bounded.
#include "alert_pipe_server.h"

#include <sddl.h>

namespace {

constexpr DWORD kRequestTimeoutMs = 5000;
constexpr DWORD kHangUpTimeoutMs = 2000;

}  // namespace

AlertPipeServer::AlertPipeServer(Handler handler) : m_handler(std::move(handler))
{
    m_stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
}

AlertPipeServer::~AlertPipeServer()
{
    Stop();
    if (m_stopEvent)
        CloseHandle(m_stopEvent);
}

HANDLE AlertPipeServer::CreateInstance()
{
    // The default security of a service's pipe lets other users read only; every signed-in
    // user's scanner must be able to send, so authenticated users may read and write.
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    SECURITY_ATTRIBUTES security = {sizeof security, nullptr, FALSE};
    if (ConvertStringSecurityDescriptorToSecurityDescriptorA(
            "D:(A;;GA;;;SY)(A;;GA;;;BA)(A;;GRGW;;;AU)", SDDL_REVISION_1, &descriptor, nullptr))
        security.lpSecurityDescriptor = descriptor;
    const std::string name = AlertPipePath("");
    // Only the first instance is ours: a pipe of that name made by anybody else stops the start.
    const DWORD open = PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED | FILE_FLAG_FIRST_PIPE_INSTANCE;
    HANDLE pipe = CreateNamedPipeA(name.c_str(), open, PIPE_TYPE_MESSAGE | PIPE_READMODE_MESSAGE | PIPE_WAIT, 1, 64,
        kAlertMessageSize, 0, descriptor ? &security : nullptr);
    if (descriptor)
        LocalFree(descriptor);
    return pipe;
}

bool AlertPipeServer::Start()
{
    if (!m_stopEvent || m_thread.joinable())
        return false;
    HANDLE pipe = CreateInstance();
    if (pipe == INVALID_HANDLE_VALUE)
        return false;
    ResetEvent(m_stopEvent);
    m_thread = std::thread([this, pipe] { Serve(pipe); });
    return true;
}

void AlertPipeServer::Stop()
{
    if (!m_thread.joinable())
        return;
    SetEvent(m_stopEvent);
    m_thread.join();
}

bool AlertPipeServer::Await(HANDLE pipe, OVERLAPPED& overlapped, DWORD timeoutMs, DWORD* done)
{
    const HANDLE waits[2] = {overlapped.hEvent, m_stopEvent};
    const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, timeoutMs);
    if (woke != WAIT_OBJECT_0) {
        CancelIo(pipe);
        DWORD ignored = 0;
        GetOverlappedResult(pipe, &overlapped, &ignored, TRUE);
        return false;
    }
    return GetOverlappedResult(pipe, &overlapped, done, FALSE) != FALSE;
}

void AlertPipeServer::Serve(HANDLE pipe)
{
    HANDLE connected = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    while (WaitForSingleObject(m_stopEvent, 0) != WAIT_OBJECT_0) {
        OVERLAPPED overlapped = {};
        overlapped.hEvent = connected;
        ResetEvent(connected);
        bool ready = ConnectNamedPipe(pipe, &overlapped) != FALSE;
        if (!ready) {
            const DWORD error = GetLastError();
            DWORD done = 0;
            if (error == ERROR_PIPE_CONNECTED)
                ready = true;
            else if (error == ERROR_IO_PENDING)
                ready = Await(pipe, overlapped, INFINITE, &done);
        }
        if (ready)
            ServeClient(pipe);
        DisconnectNamedPipe(pipe);
        if (!ready && WaitForSingleObject(m_stopEvent, 0) != WAIT_OBJECT_0) {
            // A pipe that failed to accept is made anew rather than spun on.
            CloseHandle(pipe);
            Sleep(100);
            pipe = CreateInstance();
            if (pipe == INVALID_HANDLE_VALUE)
                break;
        }
    }
    if (pipe != INVALID_HANDLE_VALUE)
        CloseHandle(pipe);
    CloseHandle(connected);
}

void AlertPipeServer::ServeClient(HANDLE pipe)
{
    HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::uint8_t request[kAlertMessageSize + 1];
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event;
    DWORD done = 0;
    std::uint32_t result = kAlertBadArguments;
    bool read = ReadFile(pipe, request, sizeof request, nullptr, &overlapped) || GetLastError() == ERROR_IO_PENDING;
    read = read && Await(pipe, overlapped, kRequestTimeoutMs, &done);
    if (read) {
        const std::optional<AlertMessage> message = AlertMessage::Decode(request, done);
        if (!message)
            result = kAlertBadArguments;
        else if (m_paused)
            result = kAlertServicePaused;
        else
            result = m_handler(*message);
    } else if (GetLastError() == ERROR_MORE_DATA) {
        result = kAlertBadArguments;
    } else {
        CloseHandle(event);
        return;
    }
    auto reply = EncodeAlertReply(result);
    overlapped = {};
    overlapped.hEvent = event;
    ResetEvent(event);
    if ((WriteFile(pipe, reply.data(), static_cast<DWORD>(reply.size()), nullptr, &overlapped) ||
            GetLastError() == ERROR_IO_PENDING) &&
        Await(pipe, overlapped, kRequestTimeoutMs, &done)) {
        // The answer is only safe once the caller has read it: wait, bounded, for it to hang up.
        std::uint8_t rest[16];
        overlapped = {};
        overlapped.hEvent = event;
        ResetEvent(event);
        if (ReadFile(pipe, rest, sizeof rest, nullptr, &overlapped) || GetLastError() == ERROR_IO_PENDING)
            Await(pipe, overlapped, kHangUpTimeoutMs, &done);
    }
    CloseHandle(event);
}
