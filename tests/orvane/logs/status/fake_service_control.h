// FakeServiceControl: a recording ServiceControl with set answers.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "service_control.h"

class FakeServiceControl final : public ServiceControl {
public:
    DWORD QueryLocal() override;
    bool QueryRemote(const char* computer, DWORD& status) override;
    void CloseLocal() override;

    // What the local query answers.
    DWORD localStatus = SERVICE_RUNNING;
    // What the remote query answers; none: the query fails.
    std::optional<DWORD> remoteStatus = SERVICE_RUNNING;
    // "local", "remote NAME" and "close", in order.
    std::vector<std::string> calls;
};
