// CRecipientPage: a configuration page that shows one delivery method's recipient list.
#pragma once

#include <windows.h>

#include "admin_fv.h"

// The frame reads each method's list from the core at a reload and hands it over before it
// calls Load(0); the page copies what it keeps, since the frame frees the list afterwards.
class CRecipientPage : public CAdminFV {
public:
    using CAdminFV::CAdminFV;

    virtual void TakeRecipients(WORD count, const void* list);
};
