// CQuilletApp: the menu commands that belong to the plug-in rather than to a window of the panel.
#include "quillet_app.h"

#include "quillet_options_ids.h"
#include "quillet_frame_wnd.h"
#include "quillet_plugin.h"
#include "quillet_resource.h"
#include "scan_records.h"

const MessageMap& CQuilletApp::GetMessageMap() const
{
    static const MessageMap map(CExtensionApp::GetMessageMap(),
        {
            on::Command(ID_QUILLET_OPTIONS, &CQuilletApp::OnOptions),
            on::Command(ID_QUILLET_VIRUS_LIST, &CQuilletApp::OnVirusList),
            on::Command(ID_QUILLET_VERSION_INFO, &CQuilletApp::OnVersionInformation),
            on::Command(ID_QUILLET_LOG, &CQuilletApp::OnScanLog),
        });
    return map;
}

bool CQuilletApp::OnCmdMsg(CommandRequest& request)
{
    if (m_plugin && m_plugin->PanelFrame() && m_plugin->PanelFrame()->OnCmdMsg(request))
        return true;
    return CExtensionApp::OnCmdMsg(request);
}

void CQuilletApp::OnOptions()
{
    if (m_plugin)
        m_plugin->EditOptions();
}

void CQuilletApp::OnVirusList()
{
    if (m_plugin)
        m_plugin->ShowVirusList();
}

void CQuilletApp::OnVersionInformation()
{
    if (m_plugin)
        m_plugin->ShowVersionInformation();
}

void CQuilletApp::OnScanLog()
{
    CWnd* host = Host();
    ViewScanningRecords(host ? host->m_hWnd : nullptr);
}
