// Logon against the mailboxes' passwords, and mail composed and delivered into the post office.
#include "mail_client.h"

#include <ctime>
#include <fstream>
#include <set>
#include <sstream>

#include "mailbox_store.h"
#include "mail_limits.h"
#include "message_rewrite.h"
#include "mime_message.h"
#include "post_office_location.h"
#include "text_codec.h"

namespace vxmail {
namespace {

std::string Text(const char* text)
{
    return text ? std::string(text) : std::string();
}

// "SMTP:bob@site" and "bob@site" both name the mailbox bob.
std::string WithoutAddressType(const std::string& address)
{
    std::size_t colon = address.find(':');
    if (colon != std::string::npos && colon < address.find('@'))
        return address.substr(colon + 1);
    return address;
}

std::string BaseName(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CodePageCharset()
{
    UINT page = GetACP();
    if (page == 65001)
        return "utf-8";
    return "windows-" + std::to_string(page);
}

}  // namespace

std::optional<postoffice::PostOffice> MailClient::Office() const
{
    std::optional<std::string> folder = postoffice::PostOfficeFolder();
    if (!folder)
        return std::nullopt;
    return postoffice::PostOffice(*folder);
}

Recipient MailClient::EntryFor(const postoffice::PostOffice& office, const std::string& mailbox) const
{
    Recipient entry;
    entry.address = mailbox;
    std::string full = postoffice::Utf8ToAnsi(office.FullName(mailbox));
    entry.name = full.empty() ? mailbox : full;
    return entry;
}

std::string MailClient::CurrentUserMailbox(const postoffice::PostOffice& office) const
{
    char user[257] = {};
    DWORD size = sizeof user;
    if (!GetUserNameA(user, &size))
        return {};
    std::optional<std::string> mailbox = office.FindMailbox(user);
    return mailbox ? *mailbox : std::string();
}

bool MailClient::KnownSession(LHANDLE session) const
{
    return session == 0 || m_sessions.count(session) > 0;
}

ULONG MailClient::Logon(const char* profile, const char* password, LHANDLE& session)
{
    std::optional<postoffice::PostOffice> office = Office();
    if (!office)
        return MAPI_E_LOGON_FAILURE;
    std::string mailbox;
    if (!profile || !*profile) {
        // No profile: the mailbox of the user the program runs as, when the post office has one.
        mailbox = CurrentUserMailbox(*office);
        if (mailbox.empty())
            return MAPI_E_LOGON_FAILURE;
    } else {
        std::optional<std::string> found = office->FindMailbox(profile);
        if (!found || !office->CheckPassword(*found, Text(password)))
            return MAPI_E_LOGON_FAILURE;
        mailbox = *found;
    }
    session = m_nextSession++;
    m_sessions[session] = mailbox;
    return SUCCESS_SUCCESS;
}

ULONG MailClient::Logoff(LHANDLE session)
{
    return m_sessions.erase(session) ? SUCCESS_SUCCESS : MAPI_E_INVALID_SESSION;
}

ULONG MailClient::Mailboxes(std::vector<Recipient>& entries)
{
    std::optional<postoffice::PostOffice> office = Office();
    if (!office)
        return MAPI_E_FAILURE;
    entries.clear();
    for (const std::string& mailbox : office->Mailboxes())
        entries.push_back(EntryFor(*office, mailbox));
    return SUCCESS_SUCCESS;
}

ULONG MailClient::Resolve(const std::string& name, Recipient& recipient)
{
    std::optional<postoffice::PostOffice> office = Office();
    if (!office)
        return MAPI_E_FAILURE;
    std::optional<std::string> mailbox = office->Resolve(postoffice::AnsiToUtf8(WithoutAddressType(name)));
    if (!mailbox)
        return MAPI_E_UNKNOWN_RECIPIENT;
    recipient = EntryFor(*office, *mailbox);
    return SUCCESS_SUCCESS;
}

ULONG MailClient::Send(LHANDLE session, const MapiMessage& message)
{
    std::optional<postoffice::PostOffice> office = Office();
    if (!office)
        return MAPI_E_FAILURE;
    // Every recipient is resolved before anything is delivered, so an unknown one stops
    // the whole message rather than half of it.
    std::vector<std::string> to, cc, targets;
    std::set<std::string> seen;
    for (ULONG i = 0; i < message.nRecipCount; ++i) {
        const MapiRecipDesc& r = message.lpRecips[i];
        std::string key = r.lpszAddress && *r.lpszAddress ? WithoutAddressType(r.lpszAddress) : Text(r.lpszName);
        std::optional<std::string> mailbox = office->Resolve(postoffice::AnsiToUtf8(key));
        if (!mailbox && r.lpszName)
            mailbox = office->Resolve(postoffice::AnsiToUtf8(r.lpszName));
        if (!mailbox)
            return MAPI_E_UNKNOWN_RECIPIENT;
        if (r.ulRecipClass == MAPI_TO)
            to.push_back(*mailbox);
        else if (r.ulRecipClass == MAPI_CC)
            cc.push_back(*mailbox);
        else if (r.ulRecipClass != MAPI_BCC)
            return MAPI_E_BAD_RECIPTYPE;
        if (seen.insert(postoffice::ToLower(*mailbox)).second)
            targets.push_back(*mailbox);
    }
    if (targets.empty())
        return MAPI_E_INVALID_RECIPS;

    auto joined = [](const std::vector<std::string>& names) {
        std::string out;
        for (const std::string& name : names)
            out += (out.empty() ? "" : ", ") + name;
        return out;
    };
    postoffice::OutgoingMail mail;
    auto own = m_sessions.find(session);
    if (message.lpOriginator && message.lpOriginator->lpszName && *message.lpOriginator->lpszName)
        mail.from = message.lpOriginator->lpszName;
    else if (own != m_sessions.end())
        mail.from = postoffice::Utf8ToAnsi(office->FullName(own->second)) + " <" + own->second + ">";
    else
        mail.from = "Unknown sender";
    mail.to = joined(to);
    mail.cc = joined(cc);
    mail.subject = Text(message.lpszSubject);
    mail.body = Text(message.lpszNoteText);
    mail.charset = CodePageCharset();
    mail.time = static_cast<std::int64_t>(std::time(nullptr));
    if (message.flFlags & MAPI_RECEIPT_REQUESTED)
        mail.receiptTo = mail.from;
    std::string text = postoffice::ComposeMessage(mail);

    for (ULONG i = 0; i < message.nFileCount; ++i) {
        const MapiFileDesc& file = message.lpFiles[i];
        if (!file.lpszPathName || !*file.lpszPathName)
            return MAPI_E_ATTACHMENT_NOT_FOUND;
        std::string bytes;
        if (postoffice::ReadFileBytes(file.lpszPathName, postoffice::limits::kMaxMessageBytes / 2, bytes) !=
            postoffice::StoreStatus::kOk)
            return MAPI_E_ATTACHMENT_OPEN_FAILURE;
        std::string name = file.lpszFileName && *file.lpszFileName ? file.lpszFileName : BaseName(file.lpszPathName);
        std::optional<std::string> with =
            postoffice::AddAttachment(text, postoffice::ParseMimeMessage(text), postoffice::AnsiToUtf8(name), bytes);
        if (!with)
            return MAPI_E_ATTACHMENT_OPEN_FAILURE;
        text = std::move(*with);
    }
    std::string envelope = own != m_sessions.end() ? own->second : "MAPI";
    for (const std::string& target : targets)
        if (office->Deliver(target, text, envelope, mail.time) != postoffice::StoreStatus::kOk)
            return MAPI_E_FAILURE;
    return SUCCESS_SUCCESS;
}

}  // namespace vxmail
