// One notification method's worker: its own queue and thread, so that a method that waits on
// a modem or a mail server never holds up another.
#pragma once

#include <windows.h>

#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include "delivery_control.h"
#include "delivery_journal.h"
#include "worker_context.h"

using DeliveryFunction = void (*)(const DeliveredAlert&, const ApplicationSettings&, DeliveryContext&);

class MethodWorker {
public:
    // Alerts waiting beyond the limit are refused and logged: a method that cannot keep up never
    // grows the journal without bound.
    static constexpr std::size_t kQueueLimit = 500;

    MethodWorker(NotifyMethod method, DeliveryFunction deliver, DeliveryJournal& journal,
        const DeliveryControl& control, WorkerContext::LogSink sink, std::size_t queueLimit = kQueueLimit);
    ~MethodWorker();
    MethodWorker(const MethodWorker&) = delete;
    MethodWorker& operator=(const MethodWorker&) = delete;

    void Start();
    // False when the queue is full.
    bool Push(PendingDelivery entry);
    // Returns once the current recipient's delivery has ended; the control must be stopped first.
    void Join();
    // Nothing queued and nothing being delivered.
    bool Idle();

private:
    void Run();
    // Delivers every unit not yet done; false when a stop or pause cut it short.
    bool Deliver(PendingDelivery& entry);

    NotifyMethod m_method;
    DeliveryFunction m_deliver;
    DeliveryJournal& m_journal;
    const DeliveryControl& m_control;
    WorkerContext::LogSink m_sink;
    std::mutex m_lock;
    std::deque<PendingDelivery> m_queue;
    std::size_t m_queueLimit;
    bool m_busy = false;
    HANDLE m_work = nullptr;
    std::thread m_thread;
};
