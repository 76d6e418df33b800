// CPlaceholderPage: an empty page body.
#include "placeholder_page.h"

#include "resource.h"

CPlaceholderPage::CPlaceholderPage() : CRecipientPage(IDD_EMPTY_PAGE) {}

void CPlaceholderPage::TakeRecipients(WORD count, const void*)
{
    m_lastCount = count;
}
