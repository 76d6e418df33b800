// CPlaceholderPage: a configuration page whose own class is still to come.
#pragma once

#include "recipient_page.h"

// Stands in the tab window with an empty body so that the frame, its menus and the reload run
// end to end; each method's behaviour comes with its own page class, which then takes this
// page's place in the frame's page table.
class CPlaceholderPage : public CRecipientPage {
public:
    CPlaceholderPage();

    void TakeRecipients(WORD count, const void* list) override;
    // What the last reload handed over, for tests.
    int LastCount() const { return m_lastCount; }

private:
    int m_lastCount = -1;
};
