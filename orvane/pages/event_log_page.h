// CEventLog: the "Event Log" page, the machines and domains into whose event logs the selected application's alerts are written.
#pragma once

#include <string>

#include "network_recipient_page.h"

class CEventLog : public CNetworkRecipientPage {
public:
    static constexpr UINT kHelpTopic = 3060;

    explicit CEventLog(ProgramValues& values);

    // The date last loaded by any page of this kind.
    static std::string& LastDate();

protected:
    int ReadList(CAlertSettings& settings, int& enabled, void*& array) override;
    int SendList(CAlertSettings& settings, WORD count, void* array) override;
};
