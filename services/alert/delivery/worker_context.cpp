#include "worker_context.h"

#include "activity_log.h"
#include "alert_log_file.h"

WorkerContext::WorkerContext(const DeliveryControl& control, const PendingDelivery& entry, LogSink sink)
    : m_control(control), m_entry(entry), m_sink(std::move(sink))
{
}

bool WorkerContext::Wait(DWORD ms) const
{
    if (m_control.Halted())
        return false;
    return WaitForSingleObject(m_control.HaltEvent(), ms) == WAIT_TIMEOUT;
}

void WorkerContext::Log(NotifyMethod method, const std::string& recipient, const std::string& outcome)
{
    if (!m_control.Halted())
        m_concluded = true;
    m_sink(m_entry.logPath,
        DeliveryLogLine(LocalCivilTime(), m_entry.alert.application, m_entry.eventFile, method, recipient, outcome));
}
