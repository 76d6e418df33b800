// CServiceConfPage: the "Service" page, bound to the service configuration record.
#pragma once

#include "property_page.h"
#include "service_config_records.h"

class CServiceConfPage : public CPropertyPage {
public:
    static constexpr int kHoldDaysMin = 0, kHoldDaysMax = 1000;
    static constexpr int kTimeoutMinutesMin = 3, kTimeoutMinutesMax = 9999;

    explicit CServiceConfPage(ServiceConfigRecord& record);
    void DoDataExchange(CDataExchange& exchange) override;

private:
    ServiceConfigRecord& m_record;
};
