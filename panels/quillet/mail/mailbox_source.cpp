// MailboxSource: mailbox by mailbox, message by message, one item per attachment; each item's
// bytes are taken out of the message when it becomes current and removed when the walk moves on.
#include "mailbox_source.h"

#include <algorithm>
#include <cstring>

#include "local_file_actions.h"
#include "mail_agent.h"
#include "mailbox_listing.h"
#include "module.h"
#include "quillet_mail_ids.h"
#include "quillet_registry.h"
#include "quillet_scan_ids.h"
#include "scan_item_rules.h"
#include "scan_job.h"

namespace {

constexpr DWORD kAttachmentListBytes = 16384;

std::string ModuleDirectory()
{
    char path[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(ModuleInstance(), path, MAX_PATH);
    std::string directory(path, length < MAX_PATH ? length : 0);
    const size_t slash = directory.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : directory.substr(0, slash);
}

bool HoldsEvery(const std::vector<std::string>& list, const std::vector<std::string>& all)
{
    return std::all_of(all.begin(), all.end(), [&](const std::string& name) {
        return std::any_of(list.begin(), list.end(),
            [&](const std::string& listed) { return scan_rules::EqualNoCase(listed, name); });
    });
}

}  // namespace

MailboxSource::MailboxSource(MailAgent& agent, const LocalScanOptions& options, std::vector<std::string> mailboxes)
    : m_agent(agent),
      m_options(options),
      m_mailboxes(std::move(mailboxes)),
      m_notifier(agent, options),
      m_extractDirectory(ModuleDirectory())
{
    const std::vector<std::string> all = m_agent.Mailboxes();
    m_wholeRoot = !all.empty() && HoldsEvery(m_mailboxes, all);
}

MailboxSource::~MailboxSource()
{
    DropExtracted();
    if (m_inMailbox)
        m_agent.CloseDatabase(m_database);
}

bool MailboxSource::First()
{
    DropExtracted();
    if (m_inMailbox)
        m_agent.CloseDatabase(m_database);
    m_inMailbox = false;
    m_nextMailbox = 0;
    m_stopped = false;
    m_incomplete = false;
    m_started = std::time(nullptr);
    m_timeLimit = MailTimeLimit(m_options);
    return Advance();
}

bool MailboxSource::Next()
{
    return Advance();
}

bool MailboxSource::Advance()
{
    DropExtracted();
    m_haveItem = false;
    m_mailboxError = 0;
    for (;;) {
        if (m_stopped)
            return false;
        if (!m_inMailbox) {
            if (m_nextMailbox >= m_mailboxes.size()) {
                // Only a walk that reached its end, every mailbox read, may say that mail up to
                // its start was seen.
                if (m_wholeRoot && m_options.scanAfter == 0 && !m_incomplete && m_nextMailbox != SIZE_MAX)
                    WriteVexomarDword(kMailSubkey, kIncrementalTimeValue, static_cast<DWORD>(m_started));
                m_nextMailbox = SIZE_MAX;
                return false;
            }
            const std::string name = m_mailboxes[m_nextMailbox++];
            if (m_job)
                m_job->OnFileName(name);
            DWORD error = 0;
            if (OpenMailbox(name, error))
                continue;
            if (m_job)
                m_job->OnLeaveFileName();
            if (error == 0)
                continue;
            MakeUnreadable(name, error);
            return true;
        }
        if (m_nextAttachment < m_attachments.size()) {
            MakeCurrent();
            return true;
        }
        if (m_nextMessage < m_messages.size()) {
            LoadAttachments();
            continue;
        }
        CloseMailbox();
    }
}

bool MailboxSource::OpenMailbox(const std::string& name, DWORD& error)
{
    DWORD database = 0;
    error = m_agent.OpenDatabase(name, database);
    if (error != 0)
        return false;
    error = MessageIdentities(m_agent, database, m_messages);
    if (m_messages.empty()) {
        m_agent.CloseDatabase(database);
        return false;
    }
    m_database = database;
    m_mailbox = name;
    m_inMailbox = true;
    m_nextMessage = 0;
    m_attachments.clear();
    m_nextAttachment = 0;
    return true;
}

void MailboxSource::MakeUnreadable(const std::string& name, DWORD error)
{
    std::memset(&m_ref, 0, sizeof m_ref);
    m_mailbox = name;
    m_mailboxError = error;
    m_incomplete = true;
    m_haveItem = true;
}

std::string MailboxSource::NotScannedText() const
{
    if (!m_haveItem || !m_mailboxError)
        return {};
    return FormatResString(IDS_MAIL_MAILBOX_NOT_READ, static_cast<unsigned long>(m_mailboxError));
}

void MailboxSource::CloseMailbox()
{
    m_agent.CloseDatabase(m_database);
    m_inMailbox = false;
    m_messages.clear();
    m_attachments.clear();
    if (m_job)
        m_job->OnLeaveFileName();
}

bool MailboxSource::LoadAttachments()
{
    const PLVMessageId& message = m_messages[m_nextMessage++];
    m_attachments.clear();
    m_nextAttachment = 0;
    m_headerRead = false;
    if (IsBeforeLimit(m_agent, m_database, message, m_timeLimit))
        return false;
    std::vector<char> names(kAttachmentListBytes, '\0');
    DWORD size = kAttachmentListBytes;
    DWORD result = m_agent.GetAttFileFromMessage(m_database, message, names.data(), size);
    if (result == PLV_E_MORE_DATA && size > names.size()) {
        names.assign(size, '\0');
        result = m_agent.GetAttFileFromMessage(m_database, message, names.data(), size);
    }
    if (result != 0)
        return false;
    for (size_t at = 0; at < names.size() && names[at] != '\0';) {
        const size_t length = strnlen(names.data() + at, names.size() - at);
        m_attachments.emplace_back(names.data() + at, length);
        at += length + 1;
    }
    return true;
}

void MailboxSource::MakeCurrent()
{
    const size_t index = m_nextAttachment++;
    std::memset(&m_ref, 0, sizeof m_ref);
    m_ref.database = m_database;
    m_ref.message = m_messages[m_nextMessage - 1];
    m_ref.index = static_cast<DWORD>(index);
    const std::string& name = m_attachments[index];
    std::memcpy(m_ref.name, name.data(), std::min(name.size(), sizeof m_ref.name - 1));
    m_haveItem = true;
    m_removed = false;
    m_replaceFailed = false;
    char directory[MAX_PATH + 1] = {};
    std::memcpy(directory, m_extractDirectory.data(), std::min<size_t>(m_extractDirectory.size(), MAX_PATH));
    if (m_agent.ExtractFile(m_ref, directory) == 0)
        m_extracted = std::string(directory, strnlen(directory, MAX_PATH));
}

void MailboxSource::DropExtracted()
{
    if (!m_extracted.empty())
        DeleteFileA(m_extracted.c_str());
    m_extracted.clear();
}

std::string MailboxSource::CurrentName() const
{
    return std::string(m_ref.name, strnlen(m_ref.name, sizeof m_ref.name));
}

std::string MailboxSource::FullPath() const
{
    if (!m_haveItem)
        return {};
    if (m_mailboxError)
        return FormatResString(IDS_MAIL_MAILBOX_ITEM, m_mailbox.c_str());
    return FormatResString(IDS_MAIL_IN_MAILBOX, CurrentName().c_str(), m_mailbox.c_str());
}

const MessageHeader& MailboxSource::CurrentHeader() const
{
    if (!m_headerRead) {
        m_header = FetchMessageHeader(m_agent, m_ref);
        m_headerRead = true;
    }
    return m_header;
}

std::string MailboxSource::MessageInformation() const
{
    if (!m_haveItem || m_mailboxError)
        return {};
    const MessageHeader& header = CurrentHeader();
    if (!header.fetched)
        return LoadResString(IDS_MAIL_NO_MESSAGE_INFORMATION);
    return FormatResString(IDS_MAIL_MESSAGE_INFORMATION, m_mailbox.c_str(), header.date.c_str(),
        ReadableAddresses(m_agent, header.from).c_str(), ReadableAddresses(m_agent, header.to).c_str(),
        ReadableAddresses(m_agent, header.cc).c_str(), header.subject.c_str());
}

HANDLE MailboxSource::OpenFile()
{
    if (m_extracted.empty()) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    return CreateFileA(m_extracted.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
}

void MailboxSource::CloseFile(HANDLE file)
{
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

bool MailboxSource::Delete()
{
    if (!CanDelete() || m_agent.DeleteFile(m_ref, "") != 0)
        return false;
    m_removed = true;
    return true;
}

bool MailboxSource::Purge()
{
    // The mailbox is rewritten without the attachment, so no byte of it stays behind.
    return Delete();
}

std::string MailboxSource::SafeFileName(const std::string& attachment)
{
    const size_t cut = attachment.find_last_of("\\/:");
    std::string name = cut == std::string::npos ? attachment : attachment.substr(cut + 1);
    for (char& c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || std::strchr("<>\"|?*", c))
            c = '_';
    }
    while (!name.empty() && (name.back() == '.' || name.back() == ' '))
        name.pop_back();
    return name.empty() ? std::string("ATTACH.DAT") : name;
}

bool MailboxSource::CanMove(const std::string& directory)
{
    return CanDelete() && !m_extracted.empty() && !directory.empty();
}

bool MailboxSource::Move(const std::string& directory)
{
    return CanMove(directory) && StoreCopy(directory, SafeFileName(CurrentName()));
}

bool MailboxSource::CanRename(const std::string& extension)
{
    const std::string name = CurrentName();
    return CanDelete() && !m_extracted.empty() &&
        lstrcmpiA(LocalFileActions().RenameTarget(name, extension).c_str(), name.c_str()) != 0;
}

bool MailboxSource::Rename(const std::string& extension)
{
    return CanRename(extension) && ReplaceWith(LocalFileActions().RenameTarget(CurrentName(), extension));
}

bool MailboxSource::CanRenameAndMove(const std::string& directory, const std::string& extension)
{
    return CanMove(directory) && !extension.empty();
}

bool MailboxSource::RenameAndMove(const std::string& directory, const std::string& extension)
{
    return CanRenameAndMove(directory, extension) &&
        StoreCopy(directory, LocalFileActions().RenameTarget(SafeFileName(CurrentName()), extension));
}

bool MailboxSource::StoreCopy(const std::string& directory, const std::string& name)
{
    LocalFileActions files;
    // The attachment leaves the message only once its copy is safe in the move directory; the
    // copy takes a name that did not exist before and replaces nothing.
    if (!files.SafeCopy(m_extracted, files.MoveTarget(directory, name)))
        return false;
    if (m_agent.DeleteFile(m_ref, "") != 0)
        return false;
    m_removed = true;
    return true;
}

bool MailboxSource::ReplaceWith(const std::string& name)
{
    MailAttachmentRef added = m_ref;
    std::memset(added.name, 0, sizeof added.name);
    std::memcpy(added.name, name.data(), std::min(name.size(), sizeof added.name - 1));
    // The new attachment comes first: a failure then leaves the message as it was, never
    // without the attachment. The reference still finds the old one by its index and name.
    if (m_agent.AttachFile(added, m_extracted) != 0)
        return false;
    if (m_agent.DeleteFile(m_ref, nullptr) != 0)
        return false;
    m_removed = true;
    return true;
}

HANDLE MailboxSource::OpenForCure()
{
    if (!CanCure())
        return INVALID_HANDLE_VALUE;
    return CreateFileA(m_extracted.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
}

void MailboxSource::CloseAfterCure(HANDLE file, bool cured)
{
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
    if (cured)
        m_replaceFailed = !ReplaceWith(CurrentName());
}

void MailboxSource::RecordOutcome(ScanJob& job, int action, int result)
{
    std::string outcome = action == 0 ? LoadResString(IDS_SCAN_NO_ACTION) : job.LastResult();
    // The cured copy that did not get into the message leaves the infected attachment there.
    if (action == 3 && result == 1 && m_replaceFailed)
        outcome = LoadResString(IDS_OUTCOME_CURE_FAILED);
    m_notifier.Notify(m_ref, m_mailbox, job.VirusName(), outcome);
}
