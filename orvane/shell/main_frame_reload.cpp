// CMainFrame: reload of every page, the application selector and the service state.
#include "main_frame.h"

#include <cstring>

#include "al_tab_wnd.h"
#include "resource.h"

namespace {

const char kDefaultEntry[] = "DEFAULT";
constexpr size_t kListedNameSize = 64;

}  // namespace

void CMainFrame::ReloadAllPages(int serviceStopped)
{
    RefillSelector();
    for (std::vector<Page>* pages : {&m_logPages, &m_configPages})
        for (Page& page : *pages)
            ReloadPage(page, serviceStopped);
}

void CMainFrame::ReloadPage(Page& page, int serviceStopped)
{
    const PageRow& row = *page.row;
    switch (row.reload) {
    case PageReload::None: return;
    case PageReload::Refresh: page.page->Refresh(serviceStopped); return;
    case PageReload::Load: page.page->Load(0); return;
    case PageReload::Recipients: break;
    }
    AlertCore& core = m_values.Core();
    WORD count = 0;
    void* list = nullptr;
    // The result is not examined: the page takes whatever came back.
    if (row.readList)
        (core.*row.readList)(m_values.serverName, &count, &list, m_values.applicationName);
    page.page->TakeRecipients(count, list);
    page.page->Load(0);
    if (list)
        GlobalFree(list);
    core.AlertFreeCheckEverySetting(m_values.serverName, row.freeKind);
}

void CMainFrame::RefreshLogPages(int serviceStopped)
{
    for (Page& page : m_logPages)
        if (page.row->reload == PageReload::Refresh)
            page.page->Refresh(serviceStopped);
}

void CMainFrame::RefillSelector()
{
    CComboBox selector(m_toolBar.Selector());
    selector.ResetContent();
    WORD count = 0;
    void* list = nullptr;
    const int result = m_values.Core().AlertGetApplicationALT(m_values.serverName, &count, &list);
    if (AlertCore::Failed(result) || count == 0 || !list) {
        if (list)
            GlobalFree(list);
        return;
    }
    selector.AddString(kDefaultEntry);
    const char* names = static_cast<const char*>(list);
    for (WORD i = 0; i < count; ++i) {
        // A name that fills its 64 bytes is cut there rather than read past its slot. A name
        // too long for the current application's field is not offered at all: cut, it would
        // name another application than the one the cache was built for.
        const char* slot = names + i * kListedNameSize;
        const std::string name(slot, strnlen(slot, kListedNameSize));
        if (ProgramValues::FitsApplicationName(name.c_str()))
            selector.AddString(name);
    }
    GlobalFree(list);
    int found = selector.FindStringExact(m_currentText);
    const bool vanished = !m_currentText.empty() && found < 0;
    if (found < 0)
        found = 0;
    selector.SetCurSel(found);
    if (vanished) {
        // The application chosen before is not on this server's list: the cache, the pages and
        // the current name follow the selector back to its first entry.
        ChangeApplication(kDefaultEntry);
        return;
    }
    if (m_currentText.empty())
        m_currentText = kDefaultEntry;
    // Until the user picks an application the core's per-application calls would go out with
    // an empty name, which names none: the selector's choice stands for it.
    if (!m_values.applicationName[0])
        m_values.SetApplicationName(m_currentText.c_str());
}

void CMainFrame::OnSelectorChange()
{
    CComboBox selector(m_toolBar.Selector());
    const int index = selector.GetCurSel();
    if (index < 0)
        return;
    ChangeApplication(selector.GetLBText(index));
}

void CMainFrame::ChangeApplication(const std::string& application)
{
    if (!ProgramValues::FitsApplicationName(application.c_str()))
        return;
    for (Page& page : m_configPages)
        page.page->ReleaseItems();
    m_configTab->ChangeApplication(application);
    // Named before the pages load, so that they read the new application, not the old one.
    m_values.SetApplicationName(application.c_str());
    m_currentText = application;
    for (Page& page : m_configPages)
        page.page->Load(0);
}

void CMainFrame::FollowServiceState()
{
    const int state = m_values.serviceState;
    if (state == m_previousServiceState)
        return;
    if (state == kServiceStopped || state == kServiceRunning)
        RefreshLogPages(state == kServiceStopped ? 1 : 0);
    // The configuration cannot be shown while the service is stopped.
    if (state == kServiceStopped && ConfigurationShown())
        ShowLogs();
    m_previousServiceState = state;
}
