#include "alert_dispatcher.h"

#include "alert_log_file.h"

namespace {

void AppendLine(const std::string& path, const std::string& line)
{
    AppendToAlertLog(path, line);
}

}  // namespace

AlertDispatcher::Methods AlertDispatcher::StandardMethods()
{
    // In the order of kNotifyMethods.
    return {DeliverBroadcast, DeliverPager, DeliverEMail, DeliverSnmp, DeliverTroubleTicket, DeliverEventLog};
}

const char* AlertDispatcher::FolderOf(NotifyMethod method)
{
    static const char* const kFolders[] = {"BROADCST", "PAGER", "EMAIL", "SNMP", "TICKET", "EVENTLOG"};
    return kFolders[static_cast<std::size_t>(method)];
}

AlertDispatcher::AlertDispatcher(
    const std::string& journalRoot, Methods methods, WorkerContext::LogSink sink, std::size_t queueLimit)
    : m_sink(sink ? std::move(sink) : WorkerContext::LogSink(AppendLine)),
      m_arrived(CreateEventA(nullptr, FALSE, FALSE, nullptr)), m_queueLimit(queueLimit)
{
    for (const NotifyMethodInfo& info : kNotifyMethods) {
        const std::size_t i = static_cast<std::size_t>(info.method);
        m_journals[i] =
            std::make_unique<DeliveryJournal>(journalRoot.empty() ? "" : journalRoot + "\\" + FolderOf(info.method));
        m_workers[i] =
            std::make_unique<MethodWorker>(info.method, methods[i], *m_journals[i], m_control, m_sink, queueLimit);
    }
}

AlertDispatcher::~AlertDispatcher()
{
    Stop();
    if (m_arrived)
        CloseHandle(m_arrived);
}

void AlertDispatcher::Start()
{
    for (std::size_t i = 0; i < m_workers.size(); ++i) {
        for (PendingDelivery& entry : m_journals[i]->Resume())
            m_workers[i]->Push(std::move(entry));
        m_workers[i]->Start();
    }
    m_intakeThread = std::thread([this] { Intake(); });
}

void AlertDispatcher::Enqueue(RecordedAlert recorded)
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        m_intake.push_back(std::move(recorded));
    }
    SetEvent(m_arrived);
}

void AlertDispatcher::Stop()
{
    if (m_stopped)
        return;
    m_stopped = true;
    m_control.Stop();
    SetEvent(m_arrived);
    if (m_intakeThread.joinable())
        m_intakeThread.join();
    for (auto& worker : m_workers)
        worker->Join();
}

bool AlertDispatcher::WaitUntilIdle(DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        bool idle = true;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            idle = m_intake.empty() && !m_distributing;
        }
        for (auto& worker : m_workers)
            idle = idle && worker->Idle();
        if (idle)
            return true;
        if (GetTickCount() - start >= timeoutMs)
            return false;
        Sleep(20);
    }
}

void AlertDispatcher::Intake()
{
    for (;;) {
        RecordedAlert recorded;
        bool have = false;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            if (!m_intake.empty()) {
                recorded = std::move(m_intake.front());
                m_intake.pop_front();
                have = m_distributing = true;
            }
        }
        if (have) {
            // Even after a stop: what was recorded reaches the journals, for the next start.
            Distribute(recorded);
            std::lock_guard<std::mutex> hold(m_lock);
            m_distributing = false;
            continue;
        }
        if (m_control.Stopped())
            return;
        WaitForSingleObject(m_arrived, INFINITE);
    }
}

void AlertDispatcher::Distribute(const RecordedAlert& recorded)
{
    for (const NotifyMethodInfo& info : kNotifyMethods) {
        const std::size_t i = static_cast<std::size_t>(info.method);
        if (!recorded.settings.Enabled(info.method) || recorded.settings.RecipientCount(info.method) == 0)
            continue;
        if (m_journals[i]->WasDelivered(recorded.alert.id))
            continue;
        PendingDelivery entry;
        entry.method = info.method;
        entry.alert = recorded.alert;
        entry.eventFile = recorded.eventFile;
        entry.logPath = recorded.logPath;
        entry.settings = recorded.settings;
        // Only this method's list travels with the entry; the settings block stays for the
        // methods that read it (mail record, ticket header).
        for (std::size_t other = 0; other < entry.settings.recipients.size(); ++other) {
            if (other != i)
                entry.settings.recipients[other].clear();
        }
        const bool saved = m_journals[i]->Save(entry);
        if (!m_workers[i]->Push(entry)) {
            m_journals[i]->Finish(entry.alert.id);
            WorkerContext context(m_control, entry, m_sink);
            context.Log(info.method, "every recipient",
                "not delivered: " + std::to_string(m_queueLimit) + " alerts are waiting already");
        } else if (!saved) {
            WorkerContext context(m_control, entry, m_sink);
            context.Log(info.method, "every recipient",
                "queued, but not kept for a restart: the delivery journal cannot be written");
        }
    }
}
