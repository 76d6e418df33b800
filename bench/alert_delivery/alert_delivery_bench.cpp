// ALDBENCH.EXE [ALERTS]: raises ALERTS alerts (default 20) through MakeAlert1 into the Alert
// Service's own recorder and dispatcher, run in this process on a scratch Alert home, with every
// method configured. It prints the alerts recorded per second and, per method, the time from
// MakeAlert1 to the delivery's log line (for SNMP also to the trap's arrival at a UDP socket of
// this program). The Alert Service must be stopped (the pipe is this program's while it runs);
// tools/prefix registers the mail client, and tools/vexomar-site makes the queue \\GAMMA\TICKETS.
//   tools/build win32 && tools/wine-run build/win32/bin/ALDBENCH.EXE 20
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "activity_log.h"
#include "alert_dispatcher.h"
#include "alert_home.h"
#include "alert_log_file.h"
#include "alert_pipe_server.h"
#include "alert_recorder.h"
#include "fenwix.h"
#include "mail_password.h"
#include "mail_record.h"
#include "post_office.h"
#include "post_office_location.h"
#include "scratch_alert_home.h"
#include "settings_repository.h"
#include "snmp_record.h"
#include "ticket_record.h"

namespace {

double Now()
{
    static const LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Record> std::vector<std::uint8_t> Bytes(const Record& record)
{
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
    return std::vector<std::uint8_t>(bytes, bytes + sizeof record);
}

std::vector<std::uint8_t> Named(std::size_t size, const std::string& text)
{
    std::vector<std::uint8_t> record(size, 0);
    std::memcpy(record.data(), text.data(), std::min(text.size(), size - 1));
    return record;
}

ApplicationSettings AllMethods(unsigned short trapPort)
{
    ApplicationSettings settings;
    const auto set = [&](NotifyMethod method, const std::vector<std::uint8_t>& list) {
        settings.SetRecipients(method, list.data(), list.size() / InfoOf(method).recordSize, true);
    };
    set(NotifyMethod::Broadcast, Named(52, "\\\\BENCHPC"));
    set(NotifyMethod::Pager, Named(148, ""));
    set(NotifyMethod::EventLog, Named(52, "\\\\."));
    SnmpRecord manager = {};
    std::strcpy(manager.managerName, "bench");
    manager.ipAddress[0] = 127;
    manager.ipAddress[3] = 1;
    manager.reserved[0] = static_cast<std::uint8_t>(trapPort >> 8);
    manager.reserved[1] = static_cast<std::uint8_t>(trapPort & 0xFF);
    manager.transport = snmp_record::kViaIp;
    set(NotifyMethod::Snmp, Bytes(manager));
    PrintQueueRecord queue = {};
    ticket_record::Write(queue, {"\\\\GAMMA\\TICKETS", "", ""});
    set(NotifyMethod::TroubleTicket, Bytes(queue));
    EMailRecipientRecord reader = {};
    mail_record::SetText(reader.name, "bench");
    reader.recipientClass = mail_record::kTo;
    set(NotifyMethod::EMail, Bytes(reader));
    MailRecord mail = {};
    mail_record::SetText(mail.mailbox, "bench");
    mail_record::SetText(mail.password, "bench");
    ScrambleMailPassword(reinterpret_cast<std::uint8_t*>(mail.password), reinterpret_cast<std::uint8_t*>(mail.password));
    mail_record::SetText(mail.subject, "Bench alert");
    std::memcpy(settings.settings.data() + 464, &mail, sizeof mail);
    return settings;
}

// When each alert's deliveries were logged, by event file and method name.
struct Timings {
    std::mutex lock;
    std::map<std::string, std::map<std::string, double>> logged;
    std::vector<double> traps;
    std::map<std::string, int> failures;  // by method name
};

void Summarize(const char* what, std::vector<double> ms)
{
    if (ms.empty()) {
        std::printf("  %-16s no delivery seen\n", what);
        return;
    }
    std::sort(ms.begin(), ms.end());
    std::printf("  %-16s %3zu deliveries  median %8.1f ms  min %8.1f ms  max %8.1f ms\n", what, ms.size(),
        ms[ms.size() / 2], ms.front(), ms.back());
}

}  // namespace

int main(int argc, char** argv)
{
    const int alerts = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    ScratchAlertHome scratch("bench");
    DWORD error = 0;
    const std::optional<AlertHome> home = AlertHome::ForServer("", &error);
    if (!home) {
        std::printf("ALDBENCH: no Alert home (error %lu)\n", static_cast<unsigned long>(error));
        return 1;
    }
    const std::optional<std::string> previousOffice = postoffice::PostOfficeFolder();
    postoffice::PostOffice(scratch.File("PO")).CreateMailbox("bench", "Bench Reader", "bench");
    postoffice::SetPostOfficeFolder(scratch.File("PO"));

    WSADATA wsa;
    WSAStartup(MAKEWORD(2, 2), &wsa);
    SOCKET manager = socket(AF_INET, SOCK_DGRAM, IPPROTO_UDP);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(manager, reinterpret_cast<sockaddr*>(&address), sizeof address);
    int size = sizeof address;
    getsockname(manager, reinterpret_cast<sockaddr*>(&address), &size);
    const unsigned short trapPort = ntohs(address.sin_port);

    SettingsRepository repository(*home);
    repository.Register("VEXOMAR");
    repository.Update("VEXOMAR", [&](ApplicationSettings& settings) {
        settings = AllMethods(trapPort);
        return true;
    });

    Timings timings;
    std::thread receiver([&] {
        char datagram[2048];
        while (recv(manager, datagram, sizeof datagram, 0) > 0) {
            std::lock_guard<std::mutex> hold(timings.lock);
            timings.traps.push_back(Now());
        }
    });
    auto sink = [&](const std::string& path, const std::string& line) {
        const double at = Now();
        AppendToAlertLog(path, line);
        const std::size_t open = line.find("(AL"), by = line.find(") by "), to = line.find(" to ", by);
        if (open == std::string::npos || by == std::string::npos || to == std::string::npos)
            return;
        std::lock_guard<std::mutex> hold(timings.lock);
        const std::string method = line.substr(by + 5, to - by - 5);
        timings.logged[line.substr(open + 1, by - open - 1)][method] = at;
        if (line.find(": not delivered") != std::string::npos)
            ++timings.failures[method];
    };
    AlertDispatcher dispatcher(scratch.File("DELIVERY"), AlertDispatcher::StandardMethods(), sink);
    AlertRecorder recorder(&dispatcher);
    AlertPipeServer pipe([&recorder](const AlertMessage& message) { return recorder.Record(message); });
    if (!pipe.Start()) {
        std::printf("ALDBENCH: the Alert Service's pipe is taken; stop the service first (ALERTSVC /stop)\n");
        return 1;
    }
    dispatcher.Start();

    std::vector<double> raised;
    const double start = Now();
    int failed = 0;
    for (int i = 0; i < alerts; ++i) {
        const std::string text = "Bench alert " + std::to_string(i + 1);
        raised.push_back(Now());
        if (MakeAlert1("", 1, 1, "VEXOMAR", text.c_str(), 0) != 0)
            ++failed;
    }
    const double recorded = Now() - start;
    const bool idle = dispatcher.WaitUntilIdle(300000);
    const double delivered = Now() - start;
    pipe.Stop();
    dispatcher.Stop();
    closesocket(manager);
    receiver.join();

    std::printf("ALDBENCH: %d alerts, every method configured (%d not recorded)\n", alerts, failed);
    std::printf("  recorded: %.1f alerts per second (%.1f ms per MakeAlert1)\n", alerts / recorded,
        1000.0 * recorded / alerts);
    std::printf("  all deliveries ended after %.2f s%s\n", delivered, idle ? "" : " (not all: timed out)");
    std::printf("time from MakeAlert1 to the delivery's log line:\n");
    for (const NotifyMethodInfo& info : kNotifyMethods) {
        std::vector<double> ms;
        for (int i = 0; i < alerts; ++i) {
            const auto found = timings.logged.find(EventFileName(static_cast<std::uint32_t>(i + 1)));
            if (found == timings.logged.end())
                continue;
            const auto at = found->second.find(info.name);
            if (at != found->second.end())
                ms.push_back(1000.0 * (at->second - raised[i]));
        }
        Summarize(info.name, ms);
        if (timings.failures[info.name])
            std::printf("  %-16s %3d of them not delivered (see the scratch home's ALERT.LOG)\n", "",
                timings.failures[info.name]);
    }
    std::vector<double> trapMs;
    for (std::size_t i = 0; i < timings.traps.size() && i < raised.size(); ++i)
        trapMs.push_back(1000.0 * (timings.traps[i] - raised[i]));
    std::printf("time from MakeAlert1 to the trap's arrival:\n");
    Summarize("SNMP trap", trapMs);
    if (previousOffice)
        postoffice::SetPostOfficeFolder(*previousOffice);
    return 0;
}
