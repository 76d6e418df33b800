// The steps of recording an alert, in the order that keeps readers consistent: the event
// file exists before its record appears, and the record before it is counted.
#include "alert_recorder.h"

#include <windows.h>

#include <cstdio>
#include <ctime>

#include "activity_log.h"
#include "alert_dispatcher.h"
#include "alert_log_file.h"
#include "alert_home.h"
#include "application_name.h"
#include "atomic_file.h"
#include "settings_repository.h"
#include "win32_table_file.h"

namespace {

// Unique per recorded alert, also across restarts: the recording time in 100-nanosecond units
// (fixed-width hex, so that names sort by time) and the record's slot.
std::string AlertId(std::uint32_t slot)
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    char id[32];
    std::snprintf(id, sizeof id, "%08lX%08lX-%06u", static_cast<unsigned long>(now.dwHighDateTime),
        static_cast<unsigned long>(now.dwLowDateTime), static_cast<unsigned>(slot % 1000000));
    return id;
}

}  // namespace

std::uint32_t AlertRecorder::Record(const AlertMessage& message)
{
    DWORD error = 0;
    const std::optional<AlertHome> home = AlertHome::ForServer(message.server.c_str(), &error);
    if (!home)
        return error == kServerUnreachable ? kServerUnreachable : kAlertNotRecorded;
    const std::optional<std::string> application = NormalizeApplicationName(message.product);
    if (!application)
        return kAlertBadArguments;
    if (!EnsureFolder(home->eventLogDirectory) || !EnsureFolder(home->logDirectory))
        return kAlertNotRecorded;

    AlertEvent event;
    event.record.application = *application;
    event.record.description = OneLine(message.text);
    event.record.priority = static_cast<std::int8_t>(message.priority);
    event.record.time = static_cast<std::int32_t>(std::time(nullptr));
    event.fullText = message.text;
    event.code = message.code;
    event.type = message.type;
    event.count = message.count;
    event.server = message.server.empty() ? AlertHome::LocalComputerName() : message.server;
    const CivilTime now = LocalCivilTime();
    std::string id;

    {
        Win32TableFile file(home->TablePath(), Win32TableFile::Mode::Write);
        if (!file.IsOpen())
            return kAlertNotRecorded;
        AlertTable table(file);
        const std::optional<std::uint32_t> slot = table.FindFreeSlot();
        if (!slot)
            return kAlertNotRecorded;
        event.record.eventFile = EventFileName(*slot);
        id = AlertId(*slot);
        const std::string text = EventFileText(now, event);
        if (!ReplaceFileContents(home->eventLogDirectory + "\\" + event.record.eventFile,
                std::vector<std::uint8_t>(text.begin(), text.end())))
            return kAlertNotRecorded;
        if (!table.WriteRecord(*slot, event.record) || !table.CountRecord(event.record.priority))
            return kAlertNotRecorded;
    }

    // An application without settings of its own is delivered by the ALERT application's;
    // one whose settings are damaged is delivered to nobody, and the log says so.
    SettingsRepository repository(*home);
    const bool own = repository.HasOwnSettings(*application);
    const std::optional<ApplicationSettings> settings = repository.Load(own ? *application : kAlertApplication);
    std::string lines = AlertLogLine(now, event);
    if (!settings)
        lines += now.Stamp() + " " + *application + " alert not delivered: its settings cannot be read\r\n";
    AppendToAlertLog(home->LogPath(), lines);
    if (settings && m_dispatcher) {
        RecordedAlert recorded;
        recorded.alert.id = id;
        recorded.alert.application = *application;
        recorded.alert.text = message.text;
        recorded.alert.code = message.code;
        recorded.alert.server = event.server;
        recorded.alert.priority = event.record.priority;
        recorded.alert.time = now;
        recorded.alert.homeDirectory = home->home;
        recorded.eventFile = event.record.eventFile;
        recorded.logPath = home->LogPath();
        recorded.settings = *settings;
        m_dispatcher->Enqueue(std::move(recorded));
    }
    return kAlertDelivered;
}
