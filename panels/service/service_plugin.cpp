// ServicePlugin: the availability by the administrator check, the local service check and the query.
#include "service_plugin.h"

#include "prompter.h"
#include "service_frame_wnd.h"
#include "service_resource.h"

const PanelDescription ServicePlugin::kDescription = {
    "MDIFiller_Service",
    "SERVICE.DLL - Failed to Register 'MDIFiller_Domain'Class !",
    IDI_SERVICE_PANEL,
    11,
    "Service",
    false,
    false,
    true,
};

ServicePlugin::ServicePlugin(CExtensionApp& app, SecurityCalls& security, ServiceCore& core)
    : PanelPlugin(app, kDescription), m_security(security), m_core(core)
{
}

void ServicePlugin::OnInitialise()
{
    m_available = CheckAdministrator(m_security) != 0;
}

void ServicePlugin::OnStart()
{
    CheckLocalService();
    if (m_core.StartQuery() != 0) {
        Prompt("VexomarStartQuery Failed");
        return;
    }
    m_queryStarted = true;
}

void ServicePlugin::CheckLocalService()
{
    std::string computer = ComputerName();
    if (computer.size() > kComputerNameLimit)
        computer.resize(kComputerNameLimit);
    if (computer.empty() || !m_available)
        return;
    DWORD status = 0;
    // Not installed (1060) or any other failure: the panel goes on without the local service.
    if (m_core.GetServiceStatus(computer, &status) != 0)
        return;
    if (status != kServiceStopped)
        return;
    if (PromptId(IDS_LOCAL_SERVICE_STOPPED, MB_YESNO) != IDYES)
        return;
    if (m_core.StartService(computer) != 0)
        PromptId(IDS_SERVICE_START_FAILED);
}

void ServicePlugin::OnTerminate()
{
    // Only a query that was started is stopped: a host that never sent 1547 has none.
    if (!m_queryStarted)
        return;
    m_queryStarted = false;
    if (m_core.StopQuery() != 0)
        Prompt("VexomarStopQuery Failed");
}

CPanelFrameWnd* ServicePlugin::MakePanelFrame()
{
    return new CServiceFrameWnd(m_core, HostWindow());
}
