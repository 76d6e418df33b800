// The DeliveryContext of one method's worker for the alert it is delivering.
#pragma once

#include <functional>

#include "delivery_control.h"
#include "pending_delivery.h"

class WorkerContext final : public DeliveryContext {
public:
    using LogSink = std::function<void(const std::string& path, const std::string& line)>;

    WorkerContext(const DeliveryControl& control, const PendingDelivery& entry, LogSink sink);

    bool Stopping() const override { return m_control.Halted(); }
    bool Wait(DWORD ms) const override;
    HANDLE StopEvent() const override { return m_control.HaltEvent(); }
    void Log(NotifyMethod method, const std::string& recipient, const std::string& outcome) override;

    // Starts a unit: the unit counts as done once the method has logged its outcome while
    // the service was neither stopping nor pausing. A line logged after the stop says the
    // delivery was cut short, and the unit is taken up again.
    void BeginUnit() { m_concluded = false; }
    bool UnitConcluded() const { return m_concluded; }

private:
    const DeliveryControl& m_control;
    const PendingDelivery& m_entry;
    LogSink m_sink;
    bool m_concluded = false;
};
