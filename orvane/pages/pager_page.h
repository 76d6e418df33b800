// CPager: the "Pager" page, the pager recipients of the selected application.
#pragma once

#include <string>

#include "recipient_page.h"

class CPager : public CRecipientPage {
public:
    static constexpr UINT kHelpTopic = 3031;

    explicit CPager(ProgramValues& values);

    void OnNew() override;
    void OnModify() override;
    void OnPortSetup();

    // The pager text received with the list and sent back unchanged.
    const char* PagerText() const { return m_pagerText; }
    // The date last loaded by any pager page.
    static std::string& LastDate();

    const MessageMap& GetMessageMap() const override;

protected:
    int ReadList(CAlertSettings& settings, int& enabled, void*& array) override;
    int SendList(CAlertSettings& settings, WORD count, void* array) override;
    std::string LineText(const BYTE* record) const override;
    void LineImages(int position, const BYTE* record) override;

private:
    // Runs the editor on `record`; true on OK.
    bool Edit(BYTE* record);

    char m_pagerText[49] = {};
    HBITMAP m_numeric = nullptr;
    HBITMAP m_alphanumeric = nullptr;
    HBITMAP m_mask = nullptr;
};
