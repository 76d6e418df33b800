// Event log: one report on the application event log of each recipient machine, and of every
// server of a recipient domain.
#include <cstring>
#include <optional>
#include <vector>

#include "alert_delivery.h"
#include "alert_home.h"
#include "alert_record.h"
#include "broadcast_record.h"
#include "delivery_waits.h"
#include "event_log_sink.h"

namespace {

constexpr NotifyMethod kMethod = NotifyMethod::EventLog;

class PlatformEventLog final : public EventLogSink {
public:
    HANDLE Open(const std::string& machine, const std::string& source) override
    {
        return RegisterEventSourceA(machine.empty() ? nullptr : machine.c_str(), source.c_str());
    }
    bool Report(HANDLE log, WORD type, DWORD eventId, const std::string& text) override
    {
        const char* strings[] = {text.c_str()};
        return ReportEventA(log, type, 0, eventId, nullptr, 1, 0, strings, nullptr) != FALSE;
    }
    void Close(HANDLE log) override { DeregisterEventSource(log); }
};

EventLogSink* g_sink = nullptr;

WORD TypeOf(int priority)
{
    if (priority <= 1)
        return EVENTLOG_ERROR_TYPE;
    return priority == 2 ? EVENTLOG_WARNING_TYPE : EVENTLOG_INFORMATION_TYPE;
}

DWORD EventOf(int priority)
{
    if (priority <= 1)
        return kCriticalAlertEvent;
    return priority == 2 ? kWarningAlertEvent : kInformationalAlertEvent;
}

// "\\NAME" as the event-log call takes it; this computer's own name goes as the local log.
std::string MachineArgument(const std::string& stored)
{
    return AlertHome::IsLocalName(stored.c_str()) ? std::string() : stored;
}

// Reports on one machine ("\\NAME"), tried twice; empty when written, else why not. `stopped` is
// set when the stop cut the retry short.
std::string ReportOn(EventLogSink& sink, const std::string& machine, const DeliveredAlert& alert,
    const std::string& text, DeliveryContext& context, bool& stopped)
{
    std::string why;
    for (int attempt = 1; attempt <= delivery_waits::kEventLogAttempts; ++attempt) {
        HANDLE log = sink.Open(MachineArgument(machine), kServiceName);
        if (!log) {
            why = "the event log cannot be opened (error " + std::to_string(GetLastError()) + ")";
        } else {
            why = sink.Report(log, TypeOf(alert.priority), EventOf(alert.priority), text)
                ? ""
                : "the event was not written (error " + std::to_string(GetLastError()) + ")";
            sink.Close(log);
        }
        if (why.empty() || attempt == delivery_waits::kEventLogAttempts)
            break;
        if (!context.Wait(delivery_waits::kEventLogRetryMs)) {
            stopped = true;
            return "the service stopped before the report was tried again";
        }
    }
    return why;
}

// The machines of a domain recipient ("SALES*"): the servers the site description puts in it.
std::vector<std::string> MachinesOf(const std::string& domain)
{
    std::vector<std::string> machines;
    const std::optional<SiteDescription> site = ReadSiteDescription();
    if (!site)
        return machines;
    for (const SiteServer& server : site->Servers()) {
        if (SameComputerName(server.domain, domain))
            machines.push_back("\\\\" + server.name);
    }
    return machines;
}

}  // namespace

EventLogSink& SystemEventLog()
{
    static PlatformEventLog platform;
    return platform;
}

void UseEventLogSink(EventLogSink* sink)
{
    g_sink = sink;
}

void DeliverEventLog(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    EventLogSink& sink = g_sink ? *g_sink : SystemEventLog();
    const std::string text = std::string(PriorityName(alert.priority)) + " alert of " + alert.application + " on " +
        alert.server + ": " + alert.text;
    const auto& list = settings.recipients[static_cast<std::size_t>(kMethod)];
    for (std::size_t at = 0; at + sizeof(EventLogRecord) <= list.size(); at += sizeof(EventLogRecord)) {
        if (context.Stopping())
            return;
        EventLogRecord record;
        std::memcpy(&record, list.data() + at, sizeof record);
        const std::string name = broadcast_record::StoredName(record);
        const bool domain = !broadcast_record::IsMachineName(name);
        const std::vector<std::string> machines =
            domain ? MachinesOf(broadcast_record::DisplayName(record)) : std::vector<std::string> {name};
        if (machines.empty()) {
            context.Log(kMethod, name, "not delivered: the site description lists no server of this domain");
            continue;
        }
        for (const std::string& machine : machines) {
            if (context.Stopping())
                return;
            const std::string recipient = domain ? name + " (" + machine + ")" : machine;
            bool stopped = false;
            const std::string why = ReportOn(sink, machine, alert, text, context, stopped);
            context.Log(kMethod, recipient, why.empty() ? "reported" : "not delivered: " + why);
            if (stopped)
                return;
        }
    }
}
