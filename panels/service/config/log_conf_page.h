// CLogConfPage: the "Event Log" or the "Scan Log" page, bound to its log configuration record.
#pragma once

#include "property_page.h"
#include "service_config_records.h"

class CLogConfPage : public CPropertyPage {
public:
    static constexpr int kPurgeDaysMin = 0, kPurgeDaysMax = 365;
    static constexpr int kMessagesMin = 10;
    static constexpr int kActivityMessagesMax = 1000, kScanMessagesMax = 500;

    // The scan log always keeps its critical messages: its box is checked and disabled.
    CLogConfPage(LogConfigRecord& record, bool scanLog);
    void DoDataExchange(CDataExchange& exchange) override;

private:
    LogConfigRecord& m_record;
    bool m_scanLog;
};
