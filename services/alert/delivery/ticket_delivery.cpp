// Trouble ticket: a printed page on each recipient print queue, through the print spooler.
#include <windows.h>
#include <winspool.h>

#include <cstring>
#include <vector>

#include "alert_delivery.h"
#include "alert_home.h"
#include "delivery_waits.h"
#include "registry_value.h"
#include "ticket_record.h"
#include "ticket_text.h"

namespace {

constexpr NotifyMethod kMethod = NotifyMethod::TroubleTicket;

// " (error N)" when the call left an error number, else nothing: a bare 0 would only mislead.
std::string ErrorSuffix()
{
    const DWORD error = GetLastError();
    return error ? " (error " + std::to_string(error) + ")" : std::string();
}

// Company and location where the Alert Manager's registry calls keep them: this computer's
// registry, or ALERT.INI in a site server's Alert home.
std::string UserString(const DeliveredAlert& alert, const char* value)
{
    if (AlertHome::IsLocalName(alert.server.c_str()))
        return ReadMachineString(std::string(kAlertKey) + "\\User", value).value_or("");
    char text[256] = {};
    const std::string ini = alert.homeDirectory + "\\ALERT.INI";
    GetPrivateProfileStringA("User", value, "", text, sizeof text, ini.c_str());
    return text;
}

// The printer that serves a queue path: a printer of this computer whose location names the
// queue (how the site's queues are set up), else the path itself, which the spooler opens as
// a network printer.
std::string PrinterFor(const std::string& queuePath)
{
    DWORD needed = 0, count = 0;
    EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, nullptr, 0, &needed, &count);
    if (needed) {
        std::vector<BYTE> buffer(needed);
        if (EnumPrintersA(PRINTER_ENUM_LOCAL, nullptr, 2, buffer.data(), needed, &needed, &count)) {
            const auto* printers = reinterpret_cast<const PRINTER_INFO_2A*>(buffer.data());
            for (DWORD i = 0; i < count; ++i) {
                if (printers[i].pLocation && lstrcmpiA(printers[i].pLocation, queuePath.c_str()) == 0)
                    return printers[i].pPrinterName;
            }
        }
    }
    return queuePath;
}

// Logs on to the queue's server with the record's user; empty when the job may go ahead.
std::string LogOn(const ticket_record::PrintQueue& queue)
{
    if (queue.userName.empty())
        return "";
    std::string remote = "\\\\" + ticket_record::ServerOf(queue.queuePath.substr(0, queue.queuePath.find_last_of('\\')));
    remote += "\\IPC$";
    NETRESOURCEA resource = {};
    resource.dwType = RESOURCETYPE_ANY;
    resource.lpRemoteName = const_cast<char*>(remote.c_str());
    const DWORD result =
        WNetAddConnection2A(&resource, queue.password.c_str(), queue.userName.c_str(), 0);
    // Only a refusal stops the job: without a network (1222) the queue may well be local.
    if (result == ERROR_LOGON_FAILURE || result == ERROR_INVALID_PASSWORD || result == ERROR_ACCESS_DENIED)
        return "the print server refused the logon of " + queue.userName + " (error " + std::to_string(result) + ")";
    return "";
}

// Prints the lines, starting a new page where one is full; empty when the job was spooled.
std::string Print(const std::string& printer, const std::vector<std::string>& lines)
{
    HDC dc = CreateDCA(nullptr, printer.c_str(), nullptr, nullptr);
    if (!dc)
        return "the print queue cannot be opened" + ErrorSuffix();
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    HFONT font = CreateFontA(-MulDiv(11, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN, "Courier");
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    const int margin = dpi;  // an inch all round
    const int bottom = GetDeviceCaps(dc, VERTRES) - margin;
    DOCINFOA document = {sizeof document, "Trouble Ticket", nullptr, nullptr, 0};
    std::string why;
    if (StartDocA(dc, &document) <= 0) {
        why = "the print job could not be started" + ErrorSuffix();
    } else {
        bool ok = StartPage(dc) > 0;
        int y = margin;
        for (const std::string& line : lines) {
            if (!ok)
                break;
            if (y + lineHeight > bottom) {
                ok = EndPage(dc) > 0 && StartPage(dc) > 0;
                y = margin;
            }
            if (!line.empty())
                ok = ok && TextOutA(dc, margin, y, line.c_str(), static_cast<int>(line.size()));
            y += lineHeight;
        }
        ok = EndPage(dc) > 0 && ok;
        if (ok && EndDoc(dc) > 0) {
            why.clear();
        } else {
            AbortDoc(dc);
            why = "the print job failed" + ErrorSuffix();
        }
    }
    SelectObject(dc, old);
    DeleteObject(font);
    DeleteDC(dc);
    return why;
}

}  // namespace

void DeliverTroubleTicket(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    PrintQueueHeader header;
    std::memcpy(&header, settings.settings.data(), sizeof header);
    TicketFacts facts;
    facts.header = ticket_record::HeaderText(header);
    facts.company = UserString(alert, "Company");
    facts.location = UserString(alert, "Location");
    facts.time = alert.time;
    facts.application = alert.application;
    facts.priority = alert.priority;
    facts.text = alert.text;
    const std::vector<std::string> lines = TicketLines(facts);

    const auto& list = settings.recipients[static_cast<std::size_t>(kMethod)];
    for (std::size_t at = 0; at + sizeof(PrintQueueRecord) <= list.size(); at += sizeof(PrintQueueRecord)) {
        if (context.Stopping())
            return;
        PrintQueueRecord record;
        std::memcpy(&record, list.data() + at, sizeof record);
        const ticket_record::PrintQueue queue = ticket_record::Read(record);
        if (queue.queuePath.empty()) {
            context.Log(kMethod, "(no queue)", "not delivered: the record names no print queue");
            continue;
        }
        std::string why;
        for (int attempt = 1; attempt <= delivery_waits::kPrintAttempts; ++attempt) {
            // A refused logon stays refused: only the print job is worth another try.
            why = LogOn(queue);
            if (!why.empty())
                break;
            why = Print(PrinterFor(queue.queuePath), lines);
            if (why.empty() || attempt == delivery_waits::kPrintAttempts)
                break;
            if (!context.Wait(delivery_waits::kPrintRetryMs)) {
                context.Log(kMethod, queue.queuePath, "not delivered: the service stopped before the job was tried again");
                return;
            }
        }
        context.Log(kMethod, queue.queuePath, why.empty() ? "printed" : "not delivered: " + why);
    }
}
