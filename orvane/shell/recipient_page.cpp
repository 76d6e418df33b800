// CRecipientPage: the default hand-over keeps nothing.
#include "recipient_page.h"

void CRecipientPage::TakeRecipients(WORD, const void*) {}
