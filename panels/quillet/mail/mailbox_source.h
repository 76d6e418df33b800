// MailboxSource: an item source over mailboxes of the post office: every attachment of every
// message within the time limit, with the file actions done on the message itself.
#pragma once

#include <windows.h>

#include <cstdint>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

#include "local_scan_options.h"
#include "mail_info.h"
#include "mail_notifier.h"
#include "plv.h"
#include "scan_item_source.h"

class MailAgent;

class MailboxSource : public ScanItemSource {
public:
    MailboxSource(MailAgent& agent, const LocalScanOptions& options, std::vector<std::string> mailboxes);
    ~MailboxSource() override;

    // Whether the walk covers the whole mail root, so that a finished walk keeps its start
    // time as "IncTime". By default: the list holds every mailbox of the post office.
    void SetCoversWholeRoot(bool whole) { m_wholeRoot = whole; }
    // Where the attachments are taken out to; the plug-in's own directory by default.
    void SetExtractDirectory(const std::string& directory) { m_extractDirectory = directory; }
    MailNotifier& Notifier() { return m_notifier; }

    void Attach(ScanJob& job) override { m_job = &job; }
    bool First() override;
    bool Next() override;
    void Stop() override { m_stopped = true; }

    // "<attachment> in Mailbox <mailbox>".
    std::string FullPath() const override;
    std::string Name() const override { return m_haveItem ? CurrentName() : std::string(); }
    std::string ContentPath() const override { return m_extracted; }
    std::string MessageInformation() const override;
    std::string NotScannedText() const override;
    bool IsFile() const override { return m_haveItem; }
    bool AcceptForScan() override { return m_haveItem; }
    void ItemDone() override { }
    void ShowCurrentItem(const std::string&) override { }
    void ShowDirectory() override { }
    void DetectionOccurred() override { ++m_detections; }
    HANDLE OpenFile() override;
    void CloseFile(HANDLE file) override;
    bool IsProtected() const override { return false; }

    bool CanDelete() override { return m_haveItem && !m_mailboxError && !m_removed; }
    bool Delete() override;
    bool CanPurge() override { return CanDelete(); }
    bool Purge() override;
    bool CanMove(const std::string& directory) override;
    bool Move(const std::string& directory) override;
    bool CanRename(const std::string& extension) override;
    bool Rename(const std::string& extension) override;
    bool CanRenameAndMove(const std::string& directory, const std::string& extension) override;
    bool RenameAndMove(const std::string& directory, const std::string& extension) override;
    bool CanCure() override { return CanDelete() && !m_extracted.empty(); }
    HANDLE OpenForCure() override;
    void CloseAfterCure(HANDLE file, bool cured) override;
    void RecordOutcome(ScanJob& job, int action, int result) override;

    int Detections() const { return m_detections; }
    // The time limit of this walk: 0 for none.
    DWORD TimeLimit() const { return m_timeLimit; }

    // The attachment's name as a file name of its own: no folder, drive or reserved character.
    static std::string SafeFileName(const std::string& attachment);

private:
    // Advances to the next attachment; false at the end of the last mailbox.
    bool Advance();
    // False when the mailbox yields no items; `error` then says why (0: it holds no messages).
    bool OpenMailbox(const std::string& name, DWORD& error);
    // The current item stands for the mailbox that could not be read.
    void MakeUnreadable(const std::string& name, DWORD error);
    void CloseMailbox();
    bool LoadAttachments();
    void MakeCurrent();
    void DropExtracted();
    std::string CurrentName() const;
    const MessageHeader& CurrentHeader() const;
    // The extracted copy put in the message under `name` in place of the current attachment.
    bool ReplaceWith(const std::string& name);
    bool StoreCopy(const std::string& directory, const std::string& name);

    MailAgent& m_agent;
    const LocalScanOptions& m_options;
    std::vector<std::string> m_mailboxes;
    MailNotifier m_notifier;
    ScanJob* m_job = nullptr;
    std::string m_extractDirectory;
    bool m_wholeRoot = false;
    bool m_stopped = false;
    bool m_incomplete = false;  // a mailbox of the walk could not be read
    DWORD m_timeLimit = 0;
    std::time_t m_started = 0;

    size_t m_nextMailbox = 0;
    bool m_inMailbox = false;
    std::string m_mailbox;
    DWORD m_database = 0;
    std::vector<PLVMessageId> m_messages;
    size_t m_nextMessage = 0;
    std::vector<std::string> m_attachments;
    size_t m_nextAttachment = 0;

    bool m_haveItem = false;
    MailAttachmentRef m_ref = {};
    std::string m_extracted;
    DWORD m_mailboxError = 0;
    bool m_removed = false;  // the attachment is no longer in the message
    bool m_replaceFailed = false;
    mutable bool m_headerRead = false;
    mutable MessageHeader m_header;
    int m_detections = 0;
};
