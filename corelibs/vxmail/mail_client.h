// The mail client's work behind the Simple MAPI calls: sessions on the post office's
// mailboxes, the address book's entries, name resolution and delivery.
#pragma once

#include <windows.h>
#include <mapi.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "mapi_buffer.h"
#include "post_office.h"

namespace vxmail {

class MailClient {
public:
    // Simple MAPI results (SUCCESS_SUCCESS or MAPI_E_...).
    ULONG Logon(const char* profile, const char* password, LHANDLE& session);
    ULONG Logoff(LHANDLE session);
    // Zero stands for no session (allowed where a call may log on by itself).
    bool KnownSession(LHANDLE session) const;

    ULONG Mailboxes(std::vector<Recipient>& entries);
    ULONG Resolve(const std::string& name, Recipient& recipient);
    ULONG Send(LHANDLE session, const MapiMessage& message);

private:
    std::optional<postoffice::PostOffice> Office() const;
    Recipient EntryFor(const postoffice::PostOffice& office, const std::string& mailbox) const;
    std::string CurrentUserMailbox(const postoffice::PostOffice& office) const;

    std::map<LHANDLE, std::string> m_sessions;  // session -> mailbox
    LHANDLE m_nextSession = 0x4D410001;
};

}  // namespace vxmail
