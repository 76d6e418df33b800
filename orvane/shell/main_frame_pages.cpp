// The Alert Manager's pages: a new page class takes its row's place here, and nothing else in
// the frame changes.
#include "main_frame_pages.h"

#include "activity_log_view.h"
#include "broadcast_page.h"
#include "al_static_wnd.h"
#include "config_summary.h"
#include "email_page.h"
#include "event_dlg.h"
#include "event_log_page.h"
#include "pager_page.h"
#include "snmp_page.h"
#include "ticket_page.h"
#include "resource.h"

namespace {

template <class Page> std::unique_ptr<FramePage> Make(ProgramValues& values)
{
    return std::make_unique<Page>(values);
}

}  // namespace

const std::vector<PageRow>& AlertManagerPages()
{
    using enum PageTab;
    using enum PageReload;
    static const std::vector<PageRow> rows = {
        {Logs, IDS_TITLE_ALERT_SUMMARY, IDR_MENU_STATISTICS, &Make<CAlStaticWnd>},
        {Logs, IDS_TITLE_EVENT_LOG, IDR_MENU_EVENTS, &Make<CEventDlg>, Refresh},
        {Logs, IDS_TITLE_ACTIVITY_LOG, IDR_MENU_ACTIVITY, &Make<CActivityLogView>, Refresh},
        {Configuration, IDS_TITLE_SUMMARY, IDR_MENU_BROADCAST, &Make<CConfigSummary>, Load, nullptr, 0, true},
        {Configuration, IDS_TITLE_BROADCAST, IDR_MENU_BROADCAST, &Make<CBrdCast>, Recipients,
            &AlertCore::AlertGetBroadcast, 1},
        {Configuration, IDS_TITLE_PAGER, IDR_MENU_PAGER, &Make<CPager>, Recipients, &AlertCore::AlertGetPager, 3},
        {Configuration, IDS_TITLE_SNMP, IDR_MENU_SNMP, &Make<CSnmp>, Recipients, &AlertCore::AlertGetSnmp, 7},
        {Configuration, IDS_TITLE_TICKET, IDR_MENU_TICKET, &Make<CTTix>, Recipients,
            &AlertCore::AlertGetTTixPRINTQ_HEADER, 8},
        {Configuration, IDS_TITLE_EMAIL, IDR_MENU_EMAIL, &Make<CEmail>, Recipients, &AlertCore::AlertGetEMail, 2},
        {Configuration, IDS_TITLE_EVENT_NOTIFY, IDR_MENU_EVENT_LOG, &Make<CEventLog>, Recipients,
            &AlertCore::AlertGetEventLog, 9},
    };
    return rows;
}
