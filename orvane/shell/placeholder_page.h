// CPlaceholderPage: a configuration page whose own class is still to come.
#pragma once

#include "admin_fv.h"

// Stands in the tab window with an empty body so that the frame, its menus and the reload run
// end to end; each method's behaviour comes with its own page class, which then takes this
// page's place in the frame's page table.
class CPlaceholderPage : public CAdminFV {
public:
    CPlaceholderPage();

    void TakeRecipients(WORD count, const void* list) override;
    void Load(int first) override;
    // What the last reload handed over, and how many loads the page had, for tests.
    int LastCount() const { return m_lastCount; }
    int LoadCount() const { return m_loads; }

private:
    int m_lastCount = -1;
    int m_loads = 0;
};
