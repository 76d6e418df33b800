// CSnmp: the "SNMP" page, the SNMP managers that receive the selected application's traps.
#pragma once

#include <string>

#include "recipient_page.h"

class CSnmp : public CRecipientPage {
public:
    static constexpr UINT kHelpTopic = 3041;

    explicit CSnmp(ProgramValues& values);

    void OnNew() override;
    void OnModify() override;

    // The date last loaded by any SNMP page.
    static std::string& LastDate();

    const MessageMap& GetMessageMap() const override;

protected:
    int ReadList(CAlertSettings& settings, int& enabled, void*& array) override;
    int SendList(CAlertSettings& settings, WORD count, void* array) override;
    std::string LineText(const BYTE* record) const override;
    void LineImages(int position, const BYTE* record) override;

private:
    bool Edit(BYTE* record);

    HBITMAP m_ipx = nullptr;
    HBITMAP m_ip = nullptr;
    HBITMAP m_mask = nullptr;
};
