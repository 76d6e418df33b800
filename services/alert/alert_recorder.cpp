// The steps of recording an alert, in the order that keeps readers consistent: the event
// file exists before its record appears, and the record before it is counted.
#include "alert_recorder.h"

#include <windows.h>

#include <ctime>

#include "activity_log.h"
#include "alert_home.h"
#include "application_name.h"
#include "atomic_file.h"
#include "settings_repository.h"
#include "win32_table_file.h"

namespace {

CivilTime LocalNow()
{
    SYSTEMTIME now;
    GetLocalTime(&now);
    CivilTime t;
    t.year = now.wYear;
    t.month = now.wMonth;
    t.day = now.wDay;
    t.hour = now.wHour;
    t.minute = now.wMinute;
    t.second = now.wSecond;
    return t;
}

// Appends in one write, sharing the file with readers and with the Alert Manager's truncation.
bool AppendToLog(const std::string& path, const std::string& text)
{
    HANDLE log = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(log, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(log);
    return ok && written == text.size();
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
    const CivilTime now = LocalNow();

    {
        Win32TableFile file(home->TablePath(), Win32TableFile::Mode::Write);
        if (!file.IsOpen())
            return kAlertNotRecorded;
        AlertTable table(file);
        const std::optional<std::uint32_t> slot = table.FindFreeSlot();
        if (!slot)
            return kAlertNotRecorded;
        event.record.eventFile = EventFileName(*slot);
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
    if (settings) {
        for (const std::string& line : DeliveryLogLines(now, *application, *settings))
            lines += line;
    } else {
        lines += now.Stamp() + " " + *application + " alert not delivered: its settings cannot be read\r\n";
    }
    AppendToLog(home->LogPath(), lines);
    return kAlertDelivered;
}
