// ServicePlugin: the Service Manager's side of the protocol: the administrator check and the service query.
#pragma once

#include "panel_plugin.h"
#include "security_calls.h"
#include "service_core.h"

enum : UINT {
    IDS_LOCAL_SERVICE_STOPPED = 16076,
    IDS_SERVICE_START_FAILED = 28046,
};
constexpr DWORD kServiceNotInstalled = 1060;
constexpr DWORD kServiceStopped = 1;
constexpr size_t kComputerNameLimit = 48;

class ServicePlugin : public PanelPlugin {
public:
    static const PanelDescription kDescription;

    ServicePlugin(CExtensionApp& app, SecurityCalls& security, ServiceCore& core);

protected:
    void OnInitialise() override;
    void OnStart() override;
    void OnTerminate() override;
    CPanelFrameWnd* MakePanelFrame() override;

private:
    void CheckLocalService();

    SecurityCalls& m_security;
    ServiceCore& m_core;
    bool m_queryStarted = false;
};
