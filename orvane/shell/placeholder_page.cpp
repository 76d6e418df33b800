// CPlaceholderPage: an empty page body that remembers what the frame handed it.
#include "placeholder_page.h"

#include "resource.h"

CPlaceholderPage::CPlaceholderPage() : CAdminFV(IDD_EMPTY_PAGE)
{
}

void CPlaceholderPage::TakeRecipients(WORD count, const void*)
{
    m_lastCount = count;
}

void CPlaceholderPage::Load(int)
{
    ++m_loads;
}
