// CBrdCast: the Broadcast list's exchange with the settings cache.
#include "broadcast_page.h"

#include "alert_settings.h"
#include "network_pages_ids.h"

std::string& CBrdCast::LastDate()
{
    static std::string date;
    return date;
}

CBrdCast::CBrdCast(ProgramValues& values)
    : CNetworkRecipientPage(values, Shape {IDD_BROADCAST_PAGE, 1, kHelpTopic}, LastDate())
{
}

int CBrdCast::ReadList(CAlertSettings& settings, int& enabled, void*& array)
{
    return settings.GetBroadcast(enabled, array, settings.ApplicationName().c_str());
}

int CBrdCast::SendList(CAlertSettings& settings, WORD count, void* array)
{
    return settings.SetBroadcast(count, Enabled(), array, settings.ApplicationName().c_str());
}
