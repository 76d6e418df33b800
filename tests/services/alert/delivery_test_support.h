// What the delivery tests share: settings with recipients, a recorded alert, and a log sink
// that keeps the lines the workers write.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <vector>

#include "alert_dispatcher.h"

// A record of the method's size whose first bytes hold the text.
std::vector<std::uint8_t> TextRecord(NotifyMethod method, const std::string& text);
// Stores the records as the method's enabled list.
void SetList(ApplicationSettings& settings, NotifyMethod method, const std::vector<std::vector<std::uint8_t>>& records,
    bool enabled = true);

RecordedAlert Recorded(const std::string& id, const ApplicationSettings& settings, const std::string& eventFile = "AL000001.EVT");

// Keeps every line a worker would append to ALERT.LOG, without the date stamp.
class LogLines {
public:
    WorkerContext::LogSink Sink();
    std::vector<std::string> Lines();
    // Waits until some line contains the text; false after the timeout.
    bool WaitFor(const std::string& text, DWORD timeoutMs = 5000);

private:
    std::mutex m_lock;
    std::vector<std::string> m_lines;
};

// A DeliveryContext of a test's own: never stopping unless told, and keeping its lines.
class RecordingContext final : public DeliveryContext {
public:
    RecordingContext();
    ~RecordingContext() override;
    bool Stopping() const override { return m_stopping; }
    bool Wait(DWORD ms) const override;
    HANDLE StopEvent() const override { return m_stop; }
    void Log(NotifyMethod method, const std::string& recipient, const std::string& outcome) override;
    void Stop();

    struct Line {
        NotifyMethod method;
        std::string recipient;
        std::string outcome;
    };
    std::vector<Line> lines;

private:
    bool m_stopping = false;
    HANDLE m_stop;
};
