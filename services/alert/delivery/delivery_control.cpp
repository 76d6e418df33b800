#include "delivery_control.h"

DeliveryControl::DeliveryControl()
    : m_halt(CreateEventA(nullptr, TRUE, FALSE, nullptr)), m_resume(CreateEventA(nullptr, TRUE, TRUE, nullptr))
{
}

DeliveryControl::~DeliveryControl()
{
    if (m_halt)
        CloseHandle(m_halt);
    if (m_resume)
        CloseHandle(m_resume);
}

void DeliveryControl::SetPaused(bool paused)
{
    if (m_stopped)
        return;
    m_paused = paused;
    if (paused) {
        ResetEvent(m_resume);
        SetEvent(m_halt);
    } else {
        ResetEvent(m_halt);
        SetEvent(m_resume);
    }
}

void DeliveryControl::Stop()
{
    m_stopped = true;
    SetEvent(m_halt);
    SetEvent(m_resume);
}
