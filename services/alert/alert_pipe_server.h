// The Alert Service's pipe: takes one alert request at a time and answers it.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <thread>

#include "alert_message.h"

class AlertPipeServer {
public:
    using Handler = std::function<std::uint32_t(const AlertMessage&)>;

    explicit AlertPipeServer(Handler handler);
    ~AlertPipeServer();
    AlertPipeServer(const AlertPipeServer&) = delete;
    AlertPipeServer& operator=(const AlertPipeServer&) = delete;

    // Creates the first pipe instance before returning, so callers that come right after
    // a start find it. False when the pipe cannot be created.
    bool Start();
    void Stop();
    // While paused every request is answered with kAlertServicePaused.
    void SetPaused(bool paused) { m_paused = paused; }

private:
    HANDLE CreateInstance();
    void Serve(HANDLE firstPipe);
    void ServeClient(HANDLE pipe);
    // Waits for an overlapped operation or the stop event; false on stop or timeout.
    bool Await(HANDLE pipe, OVERLAPPED& overlapped, DWORD timeoutMs, DWORD* done);

    Handler m_handler;
    HANDLE m_stopEvent = nullptr;
    std::atomic<bool> m_paused {false};
    std::thread m_thread;
};
