// CEventLog: the EventLog list's exchange with the settings cache.
#include "event_log_page.h"

#include "alert_settings.h"
#include "network_pages_ids.h"

std::string& CEventLog::LastDate()
{
    static std::string date;
    return date;
}

CEventLog::CEventLog(ProgramValues& values)
    : CNetworkRecipientPage(values, Shape {IDD_EVENT_NOTIFY_PAGE, 9, kHelpTopic}, LastDate())
{
}

int CEventLog::ReadList(CAlertSettings& settings, int& enabled, void*& array)
{
    return settings.GetEventLog(enabled, array, settings.ApplicationName().c_str());
}

int CEventLog::SendList(CAlertSettings& settings, WORD count, void* array)
{
    return settings.SetEventLog(count, Enabled(), array, settings.ApplicationName().c_str());
}
