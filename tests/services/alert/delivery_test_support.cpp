#include "delivery_test_support.h"

#include <cstring>

std::vector<std::uint8_t> TextRecord(NotifyMethod method, const std::string& text)
{
    std::vector<std::uint8_t> record(InfoOf(method).recordSize, 0);
    std::memcpy(record.data(), text.data(), std::min(text.size(), record.size() - 1));
    return record;
}

void SetList(ApplicationSettings& settings, NotifyMethod method, const std::vector<std::vector<std::uint8_t>>& records,
    bool enabled)
{
    std::vector<std::uint8_t> list;
    for (const auto& record : records)
        list.insert(list.end(), record.begin(), record.end());
    settings.SetRecipients(method, list.data(), records.size(), enabled);
}

RecordedAlert Recorded(const std::string& id, const ApplicationSettings& settings, const std::string& eventFile)
{
    RecordedAlert recorded;
    recorded.alert.id = id;
    recorded.alert.application = "VEXOMAR";
    recorded.alert.text = "Virus found";
    recorded.alert.code = "05";
    recorded.alert.server = "ALPHA";
    recorded.alert.priority = 1;
    recorded.alert.time = CivilTime::FromUnixSeconds(1700000000);
    recorded.eventFile = eventFile;
    recorded.logPath = "ALERT.LOG";
    recorded.settings = settings;
    return recorded;
}

WorkerContext::LogSink LogLines::Sink()
{
    return [this](const std::string&, const std::string& line) {
        std::lock_guard<std::mutex> hold(m_lock);
        // "MM/DD/YYYY hh:mm:ss " and the line's CR LF are left out.
        m_lines.push_back(line.substr(20, line.size() - 22));
    };
}

std::vector<std::string> LogLines::Lines()
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_lines;
}

bool LogLines::WaitFor(const std::string& text, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    do {
        for (const std::string& line : Lines()) {
            if (line.find(text) != std::string::npos)
                return true;
        }
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return false;
}

RecordingContext::RecordingContext() : m_stop(CreateEventA(nullptr, TRUE, FALSE, nullptr)) { }

RecordingContext::~RecordingContext()
{
    CloseHandle(m_stop);
}

bool RecordingContext::Wait(DWORD ms) const
{
    return WaitForSingleObject(m_stop, ms) == WAIT_TIMEOUT;
}

void RecordingContext::Log(NotifyMethod method, const std::string& recipient, const std::string& outcome)
{
    lines.push_back({method, recipient, outcome});
}

void RecordingContext::Stop()
{
    m_stopping = true;
    SetEvent(m_stop);
}
