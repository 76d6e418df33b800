// The event-log calls the event-log method makes, behind a replaceable interface: Wine keeps
// no event log (it only traces the calls), so tests watch what is reported through a fake.
#pragma once

#include <windows.h>

#include <string>

class EventLogSink {
public:
    virtual ~EventLogSink() = default;
    // RegisterEventSourceA on the machine ("" for this computer); nullptr on failure.
    virtual HANDLE Open(const std::string& machine, const std::string& source) = 0;
    // ReportEventA with one string; false on failure (GetLastError says why).
    virtual bool Report(HANDLE log, WORD type, DWORD eventId, const std::string& text) = 0;
    virtual void Close(HANDLE log) = 0;
};

// The platform's calls.
EventLogSink& SystemEventLog();
// Replaces the sink for the event-log method; nullptr puts the platform's back.
void UseEventLogSink(EventLogSink* sink);

// Event ids of the source "Morwick Alert Notification Server": one per priority.
constexpr DWORD kCriticalAlertEvent = 1001;
constexpr DWORD kWarningAlertEvent = 1002;
constexpr DWORD kInformationalAlertEvent = 1003;
