#include "method_worker.h"

MethodWorker::MethodWorker(NotifyMethod method, DeliveryFunction deliver, DeliveryJournal& journal,
    const DeliveryControl& control, WorkerContext::LogSink sink, std::size_t queueLimit)
    : m_method(method), m_deliver(deliver), m_journal(journal), m_control(control), m_sink(std::move(sink)),
      m_queueLimit(queueLimit), m_work(CreateEventA(nullptr, FALSE, FALSE, nullptr))
{
}

MethodWorker::~MethodWorker()
{
    Join();
    if (m_work)
        CloseHandle(m_work);
}

void MethodWorker::Start()
{
    if (!m_thread.joinable())
        m_thread = std::thread([this] { Run(); });
}

bool MethodWorker::Push(PendingDelivery entry)
{
    {
        std::lock_guard<std::mutex> hold(m_lock);
        if (m_queue.size() >= m_queueLimit)
            return false;
        m_queue.push_back(std::move(entry));
    }
    SetEvent(m_work);
    return true;
}

void MethodWorker::Join()
{
    if (m_thread.joinable())
        m_thread.join();
}

bool MethodWorker::Idle()
{
    std::lock_guard<std::mutex> hold(m_lock);
    return m_queue.empty() && !m_busy;
}

void MethodWorker::Run()
{
    for (;;) {
        if (m_control.Stopped())
            return;
        if (m_control.Paused()) {
            WaitForSingleObject(m_control.ResumeEvent(), INFINITE);
            continue;
        }
        PendingDelivery entry;
        {
            std::lock_guard<std::mutex> hold(m_lock);
            if (!m_queue.empty()) {
                entry = std::move(m_queue.front());
                m_queue.pop_front();
                m_busy = true;
            }
        }
        if (!m_busy) {
            const HANDLE waits[2] = {m_work, m_control.HaltEvent()};
            WaitForMultipleObjects(2, waits, FALSE, INFINITE);
            continue;
        }
        const bool finished = Deliver(entry);
        std::lock_guard<std::mutex> hold(m_lock);
        if (finished)
            m_journal.Finish(entry.alert.id);
        else
            m_queue.push_front(std::move(entry));  // first again once the service continues
        m_busy = false;
    }
}

bool MethodWorker::Deliver(PendingDelivery& entry)
{
    const std::size_t units = entry.UnitCount();
    for (std::size_t unit = 0; unit < units; ++unit) {
        if (entry.done.count(unit))
            continue;
        if (m_control.Halted())
            return false;
        WorkerContext context(m_control, entry, m_sink);
        context.BeginUnit();
        try {
            m_deliver(entry.alert, entry.UnitSettings(unit), context);
        } catch (...) {
            context.Log(m_method, "recipient " + std::to_string(unit + 1), "not delivered: the method failed");
        }
        if (!context.UnitConcluded()) {
            if (m_control.Halted())
                return false;
            // A method that says nothing about a recipient is not asked again and again.
            context.Log(m_method, "recipient " + std::to_string(unit + 1), "not delivered: no outcome was reported");
        }
        entry.done.insert(unit);
        m_journal.Save(entry);
    }
    return true;
}
