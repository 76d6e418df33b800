// ScmServiceControl: the Alert Service's status from the service control manager.
#pragma once

#include "service_control.h"

class ScmServiceControl final : public ServiceControl {
public:
    ScmServiceControl() = default;
    ~ScmServiceControl() override;
    ScmServiceControl(const ScmServiceControl&) = delete;
    ScmServiceControl& operator=(const ScmServiceControl&) = delete;

    DWORD QueryLocal() override;
    bool QueryRemote(const char* computer, DWORD& status) override;
    void CloseLocal() override;

    bool LocalManagerOpen() const { return m_localManager != nullptr; }

private:
    SC_HANDLE m_localManager = nullptr;
};
