// CBroadcastConfPage: protocols, heartbeat and discover interval shown and stored back.
#include "broadcast_conf_page.h"

#include "data_exchange.h"
#include "num_spin_field.h"
#include "service_config_ids.h"

CBroadcastConfPage::CBroadcastConfPage(BroadcastRecord& record) : CPropertyPage(IDD_BCAST_CONF_PAGE), m_record(record)
{
    m_hasHelp = true;
}

void CBroadcastConfPage::DoDataExchange(CDataExchange& exchange)
{
    using namespace ConfigBits;
    int mailslots = (m_record.protocols & kMailslots) ? 1 : 0;
    int tcpIp = (m_record.protocols & kTcpIp) ? 1 : 0;
    // Whole minutes of the heartbeat seconds, cut rather than rounded.
    const DWORD minutes = m_record.heartbeatSeconds / 60;
    int heartbeat = static_cast<int>(minutes > kHeartbeatMinutesMax ? kHeartbeatMinutesMax : minutes);
    int discover = static_cast<int>(
        m_record.discoverHours > DWORD(kDiscoverHoursMax) ? kDiscoverHoursMax : m_record.discoverHours);
    ExchangeCheck(exchange, IDC_BCAST_MAILSLOTS, mailslots);
    ExchangeCheck(exchange, IDC_BCAST_TCPIP, tcpIp);
    ExchangeNumSpin(exchange, IDC_BCAST_HEARTBEAT, heartbeat, kHeartbeatMinutesMin, kHeartbeatMinutesMax);
    ExchangeNumSpin(exchange, IDC_BCAST_DISCOVER, discover, kDiscoverHoursMin, kDiscoverHoursMax);
    if (!exchange.m_bSaveAndValidate || exchange.m_failed)
        return;
    // Protocol bits beyond the two shown go back as read.
    DWORD protocols = m_record.protocols & ~(kMailslots | kTcpIp);
    if (mailslots)
        protocols |= kMailslots;
    if (tcpIp)
        protocols |= kTcpIp;
    m_record.protocols = protocols;
    m_record.heartbeatSeconds = static_cast<DWORD>(heartbeat) * 60;
    m_record.discoverHours = static_cast<DWORD>(discover);
}
