// CMailOptionsPage: the "E-Mail Options" page: who is notified and which messages are scanned.
#pragma once

#include <cstdint>
#include <functional>

#include "local_scan_options.h"
#include "property_page.h"

class CCmdUI;

class CMailOptionsPage : public CPropertyPage {
public:
    enum DateChoice { kAllMessages = 0, kMessagesAfter = 1, kSinceLastScan = 2 };

    // `now` gives the current time in seconds (the fields show it while no date is set).
    CMailOptionsPage(LocalScanOptions& options, std::function<std::int64_t()> now);

    BOOL OnSetActive() override;
    BOOL OnKillActive() override;
    const MessageMap& GetMessageMap() const override;

private:
    // The custom date and time fields are there only when their library is loaded.
    bool HasDateFields() const;
    void OnUpdateDateFields(CCmdUI& ui);
    void OnUpdateAfterChoice(CCmdUI& ui);

    LocalScanOptions& m_options;
    std::function<std::int64_t()> m_now;
};
