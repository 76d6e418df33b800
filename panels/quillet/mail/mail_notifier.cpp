// MailNotifier: the note is put together under a name of its own in the temporary directory,
// so no file of the user's is ever overwritten or attached.
#include "mail_notifier.h"

#include <windows.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "mail_agent.h"
#include "mail_info.h"
#include "module.h"
#include "quillet_mail_ids.h"
#include "quillet_registry.h"

namespace {

constexpr char kSenderText[] = "Vexomar/Morwick Software";
constexpr char kNoteName[] = "VIRUS.TXT";
constexpr char kSeparator[] = "\r\n-------------------------------------------------\r\n";
constexpr DWORD kAdministratorChars = 1024;

std::string WholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    if (in)
        bytes << in.rdbuf();
    return bytes.str();
}

bool WriteAll(HANDLE file, const std::string& bytes)
{
    DWORD written = 0;
    return bytes.empty() ||
        (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
            written == bytes.size());
}

}  // namespace

MailNotifier::MailNotifier(MailAgent& agent, const LocalScanOptions& options)
    : noteDirectory(ReadVexomarString("Path", "TMP", "c:\\")), m_agent(agent), m_options(options)
{
}

std::string MailNotifier::DetectionText(
    const std::string& attachment, const std::string& virus, const std::string& outcome)
{
    std::string text = FormatResString(IDS_MAIL_DETECTION, attachment.c_str(), virus.c_str(), outcome.c_str());
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

void MailNotifier::Notify(const MailAttachmentRef& attachment, const std::string& mailbox, const std::string& virus,
    const std::string& outcome)
{
    const std::string name(attachment.name, strnlen(attachment.name, sizeof attachment.name));
    const std::string detection = DetectionText(name, virus, outcome);
    if (m_options.attachInfoFile)
        AttachNote(attachment, detection);
    if (!m_options.notifyOwner && !m_options.notifySender && !m_options.notifyAdministrator)
        return;
    const MessageHeader header = FetchMessageHeader(m_agent, attachment);
    const std::string subject = LoadResString(IDS_MAIL_NOTE_SUBJECT);
    if (m_options.notifyOwner) {
        const std::string body = FormatResString(IDS_MAIL_NOTE_OWNER, header.from.c_str(), header.date.c_str(),
                                     header.subject.c_str()) +
            detection;
        // No recipient: the library delivers to the mailbox the message lies in.
        m_agent.SendMail(&attachment, mailbox, "", kSenderText, subject, body);
    }
    if (m_options.notifySender && header.fetched && !header.from.empty()) {
        const std::string body = FormatResString(IDS_MAIL_NOTE_SENDER, mailbox.c_str(), header.date.c_str(),
                                     header.subject.c_str()) +
            detection;
        m_agent.SendMail(&attachment, mailbox, header.from.c_str(), kSenderText, subject, body);
    }
    if (m_options.notifyAdministrator) {
        const std::string administrator = Administrator();
        if (!administrator.empty()) {
            const std::string body = FormatResString(IDS_MAIL_NOTE_ADMINISTRATOR, header.from.c_str(),
                                         mailbox.c_str(), header.date.c_str(), header.subject.c_str()) +
                detection;
            m_agent.SendMail(&attachment, mailbox, administrator.c_str(), kSenderText, subject, body);
        }
    }
}

void MailNotifier::AttachNote(const MailAttachmentRef& attachment, const std::string& detection)
{
    char note[MAX_PATH + 1] = {};
    // The name is made and the file created in one step, so it is the note's own.
    if (!GetTempFileNameA(noteDirectory.c_str(), "VXN", 0, note))
        return;
    HANDLE file = CreateFileA(note, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, 0, nullptr);
    bool written = file != INVALID_HANDLE_VALUE;
    if (written) {
        // A missing header file leaves the note with the detection alone.
        written = WriteAll(file, WholeFile(headerFile)) && WriteAll(file, kSeparator) &&
            WriteAll(file, detection + "\r\n");
        CloseHandle(file);
    }
    if (written) {
        MailAttachmentRef named = attachment;
        std::memset(named.name, 0, sizeof named.name);
        std::memcpy(named.name, kNoteName, sizeof kNoteName);
        m_agent.AttachFile(named, note);
    }
    DeleteFileA(note);
}

std::string MailNotifier::Administrator() const
{
    char name[kAdministratorChars + 1] = {};
    GetPrivateProfileStringA("Notes", "Admin", "", name, sizeof name, settingsFile.c_str());
    return name;
}
