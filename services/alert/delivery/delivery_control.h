// The service's stop and pause as every delivery worker sees them.
#pragma once

#include <windows.h>

#include <atomic>

class DeliveryControl {
public:
    DeliveryControl();
    ~DeliveryControl();
    DeliveryControl(const DeliveryControl&) = delete;
    DeliveryControl& operator=(const DeliveryControl&) = delete;

    // Pausing cuts deliveries in progress short as a stop does; they are taken up again on
    // continue.
    void SetPaused(bool paused);
    void Stop();

    bool Paused() const { return m_paused; }
    bool Stopped() const { return m_stopped; }
    bool Halted() const { return m_paused || m_stopped; }
    // Signalled while paused or stopped: what every wait of a method includes.
    HANDLE HaltEvent() const { return m_halt; }
    // Signalled on continue and on stop: what a paused worker waits for.
    HANDLE ResumeEvent() const { return m_resume; }

private:
    HANDLE m_halt = nullptr;
    HANDLE m_resume = nullptr;
    std::atomic<bool> m_paused {false};
    std::atomic<bool> m_stopped {false};
};
