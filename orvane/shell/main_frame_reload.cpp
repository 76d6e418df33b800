// CMainFrame: reload of every page, the application selector and the service state.
#include "main_frame.h"

#include <cstring>

#include "activity_log_view.h"
#include "al_tab_wnd.h"
#include "event_dlg.h"
#include "recipient_page.h"
#include "resource.h"

namespace {

const char kDefaultEntry[] = "DEFAULT";
constexpr size_t kApplicationNameSize = 64;

using GetList = int (AlertCore::*)(LPCSTR, WORD*, void**, LPCSTR);

struct MethodReload {
    int page;
    GetList get;
    int freeKind;
};

// Broadcast, pager, SNMP, trouble ticket, e-mail and event log, in the order they are read.
const MethodReload kMethodReloads[] = {
    {CMainFrame::kBroadcastPage, &AlertCore::AlertGetBroadcast, 1},
    {CMainFrame::kPagerPage, &AlertCore::AlertGetPager, 3},
    {CMainFrame::kSnmpPage, &AlertCore::AlertGetSnmp, 7},
    {CMainFrame::kTicketPage, &AlertCore::AlertGetTTixPRINTQ_HEADER, 8},
    {CMainFrame::kEmailPage, &AlertCore::AlertGetEMail, 2},
    {CMainFrame::kEventLogPage, &AlertCore::AlertGetEventLog, 9},
};

void CopyName(char (&target)[24], const std::string& text)
{
    std::memset(target, 0, sizeof target);
    std::strncpy(target, text.c_str(), sizeof target - 1);
}

}  // namespace

void CMainFrame::ReloadAllPages(int serviceStopped)
{
    RefillSelector();
    if (m_eventPage)
        m_eventPage->Refresh(serviceStopped);
    if (m_activityView)
        m_activityView->Refresh(serviceStopped);
    if (m_configPages[kSummaryPage])
        m_configPages[kSummaryPage]->Load(0);
    AlertCore& core = Core();
    const char* server = Program().serverName;
    const char* application = Program().applicationName;
    for (const MethodReload& method : kMethodReloads) {
        WORD count = 0;
        void* list = nullptr;
        // The result is not examined: the page takes whatever came back.
        (core.*method.get)(server, &count, &list, application);
        if (auto* page = dynamic_cast<CRecipientPage*>(m_configPages[method.page].get())) {
            page->TakeRecipients(count, list);
            page->Load(0);
        }
        if (list)
            GlobalFree(list);
        core.AlertFreeCheckEverySetting(server, method.freeKind);
    }
}

void CMainFrame::RefillSelector()
{
    HWND selector = m_toolBar.Selector();
    ::SendMessageA(selector, CB_RESETCONTENT, 0, 0);
    WORD count = 0;
    void* list = nullptr;
    const int result = Core().AlertGetApplicationALT(Program().serverName, &count, &list);
    if (AlertCore::Failed(result) || count == 0 || !list) {
        if (list)
            GlobalFree(list);
        return;
    }
    ::SendMessageA(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kDefaultEntry));
    const char* names = static_cast<const char*>(list);
    for (WORD i = 0; i < count; ++i) {
        // A name that fills its 64 bytes is cut there rather than read past its slot.
        const char* slot = names + i * kApplicationNameSize;
        const std::string name(slot, strnlen(slot, kApplicationNameSize));
        ::SendMessageA(selector, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    GlobalFree(list);
    LRESULT found = ::SendMessageA(selector, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                   reinterpret_cast<LPARAM>(m_currentText.c_str()));
    if (m_currentText.empty() || found == CB_ERR) {
        found = 0;
        m_currentText = kDefaultEntry;
    }
    ::SendMessageA(selector, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
    // Until the user picks an application the core's per-application calls would go out with
    // an empty name, which names none: the selector's choice stands for it.
    if (!Program().applicationName[0])
        CopyName(Program().applicationName, m_currentText);
}

void CMainFrame::OnSelectorChange()
{
    HWND selector = m_toolBar.Selector();
    const LRESULT index = ::SendMessageA(selector, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR)
        return;
    const LRESULT length = ::SendMessageA(selector, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR)
        return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    ::SendMessageA(selector, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(strlen(text.c_str()));
    ChangeApplication(text);
}

void CMainFrame::ChangeApplication(const std::string& application)
{
    for (auto& page : m_configPages)
        if (page)
            page->ReleaseItems();
    m_configTab->ChangeApplication(application);
    CopyName(Program().applicationName, application);
    m_currentText = application;
    for (auto& page : m_configPages)
        if (page)
            page->Load(0);
}

void CMainFrame::FollowServiceState()
{
    const int state = Program().serviceState;
    if (state == m_previousServiceState)
        return;
    if (state == kServiceStopped || state == kServiceRunning) {
        const int stopped = state == kServiceStopped ? 1 : 0;
        if (m_eventPage)
            m_eventPage->Refresh(stopped);
        if (m_activityView)
            m_activityView->Refresh(stopped);
    }
    m_previousServiceState = state;
}
