// CALTabWnd: the settings cache's life inside the configuration tab window.
#include "al_tab_wnd.h"

namespace {

const char kBaseApplication[] = "ALERT";
const char kDefaultEntry[] = "DEFAULT";

}  // namespace

CALTabWnd::CALTabWnd(AlertCore& core, const char* server)
    : m_core(core), m_server(server), m_settings(std::make_unique<CAlertSettings>(core, server, kBaseApplication))
{
    m_settings->ReadInitial(kBaseApplication);
}

CALTabWnd::~CALTabWnd() = default;

int CALTabWnd::ChangeApplication(const std::string& application)
{
    const std::string name = application == kDefaultEntry ? kBaseApplication : application;
    // The old cache frees its arrays before the new one reads.
    m_settings.reset();
    m_settings = std::make_unique<CAlertSettings>(m_core, m_server, name.c_str());
    return m_settings->ReadInitial(kBaseApplication);
}

CALTabWnd* CALTabWnd::FromPage(HWND page)
{
    return page ? dynamic_cast<CALTabWnd*>(FromHandlePermanent(::GetParent(page))) : nullptr;
}
