// E-mail: one message to the To and CC recipients through Simple MAPI, signed in with the
// page's mailbox and password.
#include <windows.h>
#include <mapi.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "alert_delivery.h"
#include "alert_record.h"
#include "delivery_waits.h"
#include "mail_password.h"
#include "mail_record.h"

namespace {

constexpr NotifyMethod kMethod = NotifyMethod::EMail;
constexpr std::size_t kMailRecordAt = 464;
constexpr std::size_t kAttachmentsAt = 1032;

// The platform's Simple MAPI, bound by name at run time: a computer without a mail client
// still records and delivers by every other method.
class MapiBinding {
public:
    MapiBinding() : m_module(LoadLibraryA("MAPI32.DLL"))
    {
        if (!m_module)
            return;
        m_logon = reinterpret_cast<LPMAPILOGON>(reinterpret_cast<void*>(GetProcAddress(m_module, "MAPILogon")));
        m_logoff = reinterpret_cast<LPMAPILOGOFF>(reinterpret_cast<void*>(GetProcAddress(m_module, "MAPILogoff")));
        m_send = reinterpret_cast<LPMAPISENDMAIL>(reinterpret_cast<void*>(GetProcAddress(m_module, "MAPISendMail")));
    }
    ~MapiBinding()
    {
        if (m_module)
            FreeLibrary(m_module);
    }
    MapiBinding(const MapiBinding&) = delete;
    MapiBinding& operator=(const MapiBinding&) = delete;

    bool Available() const { return m_logon && m_logoff && m_send; }
    ULONG Logon(const std::string& mailbox, const std::string& password, LHANDLE& session) const
    {
        return m_logon(0, const_cast<char*>(mailbox.c_str()), const_cast<char*>(password.c_str()), MAPI_NEW_SESSION,
            0, &session);
    }
    ULONG Send(LHANDLE session, MapiMessage& message) const { return m_send(session, 0, &message, 0, 0); }
    void Logoff(LHANDLE session) const { m_logoff(session, 0, 0, 0); }

private:
    HMODULE m_module;
    LPMAPILOGON m_logon = nullptr;
    LPMAPILOGOFF m_logoff = nullptr;
    LPMAPISENDMAIL m_send = nullptr;
};

std::string Reason(ULONG result)
{
    switch (result) {
    case MAPI_E_LOGIN_FAILURE: return "the mailbox name or password was refused";
    case MAPI_E_UNKNOWN_RECIPIENT: return "a recipient is not known to the mail system";
    case MAPI_E_ATTACHMENT_NOT_FOUND:
    case MAPI_E_ATTACHMENT_OPEN_FAILURE: return "an attached file could not be read";
    case MAPI_E_INSUFFICIENT_MEMORY: return "the mail client ran out of memory";
    default: return "the mail client failed";
    }
}

// Failures that another try a little later may cure; a refused logon or an unknown recipient
// stays refused.
bool WorthRetrying(ULONG result)
{
    return result != MAPI_E_LOGIN_FAILURE && result != MAPI_E_UNKNOWN_RECIPIENT;
}

struct Recipient {
    std::string name;
    ULONG recipientClass;
    std::string described;
};

std::vector<Recipient> RecipientsOf(const ApplicationSettings& settings)
{
    std::vector<Recipient> recipients;
    const auto& list = settings.recipients[static_cast<std::size_t>(kMethod)];
    for (std::size_t at = 0; at + sizeof(EMailRecipientRecord) <= list.size(); at += sizeof(EMailRecipientRecord)) {
        EMailRecipientRecord record;
        std::memcpy(&record, list.data() + at, sizeof record);
        const bool cc = record.recipientClass == mail_record::kCc;
        const std::string name = mail_record::Text(record.name);
        recipients.push_back({name, cc ? ULONG(MAPI_CC) : ULONG(MAPI_TO), cc ? name + " (CC)" : name});
    }
    return recipients;
}

std::string NoteText(const DeliveredAlert& alert, const std::vector<std::string>& missing)
{
    std::string text = std::string(PriorityName(alert.priority)) + " alert of " + alert.application + "\r\n\r\n" +
        alert.text + "\r\n\r\nServer: " + alert.server + "\r\nTime: " + alert.time.Stamp() + "\r\n";
    if (!alert.code.empty())
        text += "Event code: " + alert.code + "\r\n";
    for (const std::string& path : missing)
        text += "Not attached, the file cannot be read: " + path + "\r\n";
    return text;
}

}  // namespace

void DeliverEMail(const DeliveredAlert& alert, const ApplicationSettings& settings, DeliveryContext& context)
{
    const std::vector<Recipient> recipients = RecipientsOf(settings);
    auto logAll = [&](const std::string& outcome) {
        for (const Recipient& recipient : recipients)
            context.Log(kMethod, recipient.described, outcome);
    };
    if (recipients.empty())
        return;

    MailRecord mail;
    std::memcpy(&mail, settings.settings.data() + kMailRecordAt, sizeof mail);
    // The page keeps the password scrambled, but a field never written is all zeros, which is
    // the empty password as the page reads it too; the last byte is the field's terminator.
    auto* password = reinterpret_cast<std::uint8_t*>(mail.password);
    if (std::any_of(password, password + kScrambledPasswordSize, [](std::uint8_t b) { return b != 0; }))
        ScrambleMailPassword(password, password);
    mail.password[sizeof mail.password - 1] = '\0';
    MailAttachments attachments;
    std::memcpy(&attachments, settings.settings.data() + kAttachmentsAt, sizeof attachments);

    MapiBinding mapi;
    if (!mapi.Available()) {
        logAll("not delivered: no mail client is installed (MAPI32.DLL)");
        return;
    }

    // A file that cannot be read would stop the whole message; the alert matters more, so the
    // message goes without it and says which file is missing.
    std::vector<std::string> paths, missing;
    for (int i = 0; i < mail_record::AttachmentCount(attachments); ++i) {
        const std::string path = mail_record::Text(attachments.paths[i]);
        if (path.empty())
            continue;
        const DWORD attributes = GetFileAttributesA(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
            missing.push_back(path);
        else
            paths.push_back(path);
    }
    std::vector<MapiFileDesc> files(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        files[i] = {};
        files[i].nPosition = static_cast<ULONG>(-1);
        files[i].lpszPathName = const_cast<char*>(paths[i].c_str());
    }
    std::vector<MapiRecipDesc> descriptors(recipients.size());
    for (std::size_t i = 0; i < recipients.size(); ++i) {
        descriptors[i] = {};
        descriptors[i].ulRecipClass = recipients[i].recipientClass;
        descriptors[i].lpszName = const_cast<char*>(recipients[i].name.c_str());
    }
    std::string subject = mail_record::Text(mail.subject);
    if (subject.empty())
        subject = std::string(PriorityName(alert.priority)) + " alert of " + alert.application;
    std::string note = NoteText(alert, missing);
    MapiMessage message = {};
    message.lpszSubject = const_cast<char*>(subject.c_str());
    message.lpszNoteText = const_cast<char*>(note.c_str());
    message.flFlags = mail.returnReceipt ? MAPI_RECEIPT_REQUESTED : 0;
    message.nRecipCount = static_cast<ULONG>(descriptors.size());
    message.lpRecips = descriptors.data();
    message.nFileCount = static_cast<ULONG>(files.size());
    message.lpFiles = files.empty() ? nullptr : files.data();

    ULONG result = MAPI_E_FAILURE;
    for (int attempt = 1; attempt <= delivery_waits::kMailAttempts; ++attempt) {
        LHANDLE session = 0;
        result = mapi.Logon(mail_record::Text(mail.mailbox), mail.password, session);
        if (result == SUCCESS_SUCCESS) {
            result = mapi.Send(session, message);
            mapi.Logoff(session);
        }
        if (result == SUCCESS_SUCCESS || !WorthRetrying(result) || attempt == delivery_waits::kMailAttempts)
            break;
        if (!context.Wait(delivery_waits::kMailRetryMs)) {
            logAll("not delivered: the service stopped before the mail client was tried again");
            return;
        }
    }
    SecureZeroMemory(mail.password, sizeof mail.password);
    if (result != SUCCESS_SUCCESS) {
        logAll("not delivered: " + Reason(result) + " (MAPI " + std::to_string(result) + ")");
        return;
    }
    std::string outcome = "delivered";
    if (!missing.empty())
        outcome += " without " + std::to_string(missing.size()) + " attachment(s) that could not be read";
    logAll(outcome);
}
