// CBrdCast: the "Broadcast" page, the machines and domains that receive the selected application's alert pop-ups.
#pragma once

#include <string>

#include "network_recipient_page.h"

class CBrdCast : public CNetworkRecipientPage {
public:
    static constexpr UINT kHelpTopic = 3010;

    explicit CBrdCast(ProgramValues& values);

    // The date last loaded by any page of this kind.
    static std::string& LastDate();

protected:
    int ReadList(CAlertSettings& settings, int& enabled, void*& array) override;
    int SendList(CAlertSettings& settings, WORD count, void* array) override;
};
