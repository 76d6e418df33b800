// CBroadcastConfPage: the "Broadcast Configuration" page, bound to the broadcast record.
#pragma once

#include "property_page.h"
#include "service_config_records.h"

class CBroadcastConfPage : public CPropertyPage {
public:
    static constexpr int kHeartbeatMinutesMin = 1, kHeartbeatMinutesMax = 3333;
    static constexpr int kDiscoverHoursMin = 0, kDiscoverHoursMax = 30000;

    explicit CBroadcastConfPage(BroadcastRecord& record);
    void DoDataExchange(CDataExchange& exchange) override;

private:
    BroadcastRecord& m_record;
};
