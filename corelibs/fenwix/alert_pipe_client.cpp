// Connecting to the alert pipe, then one overlapped write and one overlapped read.
#include "alert_pipe_client.h"

#include "alert_home.h"

namespace {

constexpr DWORD kConnectBudgetMs = 5000;
constexpr DWORD kAnswerTimeoutMs = 10000;

class Handle {
public:
    explicit Handle(HANDLE handle) : m_handle(handle) { }
    ~Handle()
    {
        if (m_handle && m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    HANDLE Get() const { return m_handle; }
    bool Valid() const { return m_handle && m_handle != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_handle;
};

bool NoListener(DWORD error)
{
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

bool NoComputer(DWORD error)
{
    return error == ERROR_BAD_NETPATH || error == ERROR_BAD_NET_NAME || error == ERROR_NO_NETWORK;
}

// Runs one overlapped transfer to its end or cancels it after the timeout.
bool Transfer(HANDLE pipe, bool write, void* data, DWORD size, DWORD* done)
{
    Handle event(CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (!event.Valid())
        return false;
    OVERLAPPED overlapped = {};
    overlapped.hEvent = event.Get();
    const BOOL started =
        write ? WriteFile(pipe, data, size, nullptr, &overlapped) : ReadFile(pipe, data, size, nullptr, &overlapped);
    if (!started && GetLastError() != ERROR_IO_PENDING)
        return false;
    if (WaitForSingleObject(event.Get(), kAnswerTimeoutMs) != WAIT_OBJECT_0) {
        CancelIo(pipe);
        GetOverlappedResult(pipe, &overlapped, done, TRUE);
        SetLastError(ERROR_SEM_TIMEOUT);
        return false;
    }
    return GetOverlappedResult(pipe, &overlapped, done, FALSE) != FALSE;
}

}  // namespace

std::uint32_t AlertPipeClient::Probe() const
{
    if (WaitNamedPipeA(m_pipeName.c_str(), 1))
        return kAlertDelivered;
    const DWORD error = GetLastError();
    if (NoListener(error))
        return kAlertServiceNotRunning;
    // A pipe that is busy serving another caller still has a service behind it.
    return NoComputer(error) ? kServerUnreachable : kAlertDelivered;
}

std::uint32_t AlertPipeClient::Send(const AlertMessage& message) const
{
    const DWORD start = GetTickCount();
    HANDLE opened = INVALID_HANDLE_VALUE;
    for (;;) {
        opened = CreateFileA(
            m_pipeName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
        if (opened != INVALID_HANDLE_VALUE)
            break;
        const DWORD error = GetLastError();
        if (NoListener(error))
            return kAlertServiceNotRunning;
        if (NoComputer(error))
            return kServerUnreachable;
        // Another caller is being served: wait for the pipe, but never beyond the budget.
        const DWORD spent = GetTickCount() - start;
        if (error != ERROR_PIPE_BUSY || spent >= kConnectBudgetMs)
            return error;
        WaitNamedPipeA(m_pipeName.c_str(), kConnectBudgetMs - spent);
    }
    Handle pipe(opened);
    DWORD mode = PIPE_READMODE_MESSAGE;
    if (!SetNamedPipeHandleState(pipe.Get(), &mode, nullptr, nullptr))
        return GetLastError();
    auto request = message.Encode();
    DWORD done = 0;
    if (!Transfer(pipe.Get(), true, request.data(), static_cast<DWORD>(request.size()), &done) ||
        done != request.size())
        return GetLastError() ? GetLastError() : kAlertNotRecorded;
    std::uint8_t reply[8] = {};
    if (!Transfer(pipe.Get(), false, reply, sizeof reply, &done))
        return GetLastError() == ERROR_SEM_TIMEOUT ? ERROR_SEM_TIMEOUT : kAlertNotRecorded;
    return DecodeAlertReply(reply, done);
}
