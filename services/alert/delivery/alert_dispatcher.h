// Hands each recorded alert to the workers of the methods its settings enable, without making
// the recorder wait for anything but a queue.
#pragma once

#include <array>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "method_worker.h"

// An alert just recorded, with what its deliveries need besides the alert itself.
struct RecordedAlert {
    DeliveredAlert alert;
    std::string eventFile;
    std::string logPath;
    ApplicationSettings settings;
};

class AlertDispatcher {
public:
    using Methods = std::array<DeliveryFunction, kNotifyMethods.size()>;
    static Methods StandardMethods();
    // The journal folder of each method under `journalRoot`.
    static const char* FolderOf(NotifyMethod method);

    // An empty root keeps no journal (deliveries are then lost with a stop).
    explicit AlertDispatcher(const std::string& journalRoot, Methods methods = StandardMethods(),
        WorkerContext::LogSink sink = nullptr, std::size_t queueLimit = MethodWorker::kQueueLimit);
    ~AlertDispatcher();
    AlertDispatcher(const AlertDispatcher&) = delete;
    AlertDispatcher& operator=(const AlertDispatcher&) = delete;

    // Takes up what an earlier run left undelivered, then starts every worker.
    void Start();
    void Enqueue(RecordedAlert recorded);
    void SetPaused(bool paused) { m_control.SetPaused(paused); }
    // Ends every delivery in progress (each method returns within its documented bound),
    // keeps what is still queued in the journals and returns once every worker has ended.
    void Stop();
    // For tests and the benchmark: true once nothing is queued or being delivered.
    bool WaitUntilIdle(DWORD timeoutMs);

private:
    void Intake();
    void Distribute(const RecordedAlert& recorded);

    DeliveryControl m_control;
    WorkerContext::LogSink m_sink;
    std::array<std::unique_ptr<DeliveryJournal>, kNotifyMethods.size()> m_journals;
    std::array<std::unique_ptr<MethodWorker>, kNotifyMethods.size()> m_workers;
    std::mutex m_lock;
    std::deque<RecordedAlert> m_intake;
    bool m_distributing = false;
    HANDLE m_arrived = nullptr;
    std::thread m_intakeThread;
    std::size_t m_queueLimit;
    bool m_stopped = false;
};
