// One request and its answer over the Alert Service's pipe, with every wait bounded.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "alert_message.h"

class AlertPipeClient {
public:
    explicit AlertPipeClient(std::string pipeName) : m_pipeName(std::move(pipeName)) { }

    // kAlertDelivered when a service listens (busy or not), else why it cannot be reached.
    std::uint32_t Probe() const;
    // The service's answer, or kAlertServiceNotRunning when there is no pipe.
    std::uint32_t Send(const AlertMessage& message) const;

private:
    std::string m_pipeName;
};
