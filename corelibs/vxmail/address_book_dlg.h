// The address book of the post office: its mailboxes on the left, the chosen To and CC
// recipients on the right.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "mapi_buffer.h"

namespace vxmail {

struct AddressBookRequest {
    std::string caption;  // empty: the dialog's own
    ULONG editFields = 2;  // 0 browse only, 1 To only, 2 or more To and CC
    std::string label;  // the To list's label when there is one list
    std::vector<Recipient> mailboxes;  // everything the post office holds
    std::vector<Recipient> initial;  // recipients already chosen
};

// A test hands the dialog to a driver once it is initialised; the driver sets controls
// and presses a button as a person would.
typedef void(WINAPI* ModalDriver)(HWND dialog);
void SetModalDriver(ModalDriver driver);

// Shows the dialog; true with the chosen recipients (To first, then CC) on OK.
bool RunAddressBook(HINSTANCE module, HWND parent, const AddressBookRequest& request, std::vector<Recipient>& chosen);

}  // namespace vxmail
