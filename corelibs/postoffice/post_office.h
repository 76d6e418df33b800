// The site's post office: a folder with one mailbox file per user ("<name>.mbx"), the
// users' file ("users.ini": full names and password digests) and the site's notes file
// ("notes.ini", section "Notes", key "Admin": the administrator's mailbox).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "mailbox_store.h"

namespace postoffice {

struct OutgoingMail {
    std::string from;  // the sender text as given ("Vexomar/Morwick Software")
    std::string to;  // recipients as written in the To field
    std::string cc;
    std::string subject;
    std::string body;  // lines ended by "\n" or "\r\n"
    std::string charset = "windows-1252";  // the set the texts are written in
    std::int64_t time = 0;
    // Where the recipient's mail program sends its read receipt; no receipt is asked for when empty.
    std::string receiptTo;
};

// A complete message for new mail: header fields (non-ASCII texts as encoded words), a
// Message-ID, and the body as 7bit text or, when it needs it, quoted-printable.
std::string ComposeMessage(const OutgoingMail& mail);

class PostOffice {
public:
    explicit PostOffice(std::string folder);

    const std::string& Folder() const { return m_folder; }

    // Letters, digits, '.', '-' and '_', 1 to 48 characters, not starting with '.'.
    static bool ValidMailboxName(std::string_view name);

    // The mailboxes, by name in alphabetical order (any case).
    std::vector<std::string> Mailboxes() const;
    // The mailbox's name as stored when one matches in any case.
    std::optional<std::string> FindMailbox(std::string_view name) const;
    std::string MailboxPath(std::string_view name) const;

    // Creates the mailbox file (empty) and its entry in the users' file.
    bool CreateMailbox(std::string_view name, std::string_view fullName, std::string_view password);
    std::string FullName(std::string_view name) const;
    // A mailbox without a password entry has the empty password.
    bool CheckPassword(std::string_view name, std::string_view password) const;

    // The administrator's mailbox name from notes.ini; empty when none is set.
    std::string Administrator() const;
    bool SetAdministrator(std::string_view name);

    // The mailbox a recipient text stands for: a mailbox name, "name@anything", or
    // "Full Name <name@anything>", or a full name from the users' file.
    std::optional<std::string> Resolve(std::string_view recipient) const;

    // Appends the message to the mailbox, under its lock.
    StoreStatus Deliver(
        std::string_view mailbox, std::string message, std::string_view envelopeSender, std::int64_t time) const;

private:
    std::string IniPath(std::string_view file) const;
    std::string m_folder;
};

// Reads one value of an INI file's text: section and key in any case; empty when missing.
std::string IniValue(std::string_view text, std::string_view section, std::string_view key);
// The text with the value set, the section and key added when missing, lines ended "\r\n".
std::string IniWithValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value);

}  // namespace postoffice
