// LocalScanJob::ScanMailDatabase: every attachment of a mail-database file taken out and
// scanned, an archive attachment also walked as an archive.
#include <windows.h>

#include <cstring>

#include "local_scan_job.h"
#include "mail_agent.h"
#include "module.h"
#include "quillet_mail_ids.h"
#include "quillet_scan_ids.h"

bool LocalScanJob::ScanMailDatabase(const std::string& path, const std::string& displayName)
{
    MailAgent& agent = *m_services.mailAgent;
    DWORD find = 0;
    MailAttachmentRef entry = {};
    const DWORD first = agent.ScanDatabaseFindFirst(path, find, entry);
    if (first != 0) {
        // A database without attachments has nothing more to scan; one the library could not
        // read was not looked into, and the results say so.
        if (first != PLV_E_NO_MORE) {
            ++m_counters.notScanned;
            m_virusName.clear();
            AddResult(displayName, LoadResString(IDS_MAIL_DATABASE_NOT_READ));
        }
        return false;
    }
    bool found = false;
    std::string foundVirus;
    for (DWORD next = 0; next == 0; next = agent.ScanDatabaseFindNext(find, entry)) {
        PumpMessages();
        if (m_cancelled)
            break;
        const std::string name(entry.name, strnlen(entry.name, sizeof entry.name));
        const bool isArchive = m_services.options.scanArchives && m_services.archiveLibrary;
        const bool plain = scan_rules::IsPlainFileOfInterest(name, m_plainRule);
        // Whether an attachment is an archive can only be told from its bytes, so every
        // attachment that may be one is taken out.
        if (!plain && !isArchive)
            continue;
        const std::string itemText = FormatResString(IDS_MAIL_IN_DATABASE, name.c_str(), displayName.c_str());
        m_virusName.clear();
        char extracted[MAX_PATH + 1] = {};
        if (agent.ExtractFile(entry, extracted) != 0) {
            if (plain) {
                ++m_counters.notScanned;
                AddResult(itemText, LoadResString(IDS_NOT_SCANNED_NOT_EXTRACTED));
            }
            continue;
        }
        const std::string file = extracted;
        const bool archive =
            isArchive && IsScannedArchiveType(m_services.archive.ArchiveType(m_services.archiveLibrary, file));
        if (plain || archive) {
            m_currentItem = displayName + " [" + name + "]";
            if (ScanExtractedFile(file, itemText)) {
                found = true;
                foundVirus = m_virusName;
            }
            if (archive &&
                ScanArchive(file, FormatResString(IDS_MAIL_ARCHIVE_IN_DATABASE, name.c_str(), displayName.c_str()))) {
                found = true;
                foundVirus = m_virusName;
            }
        }
        // The taken-out copy is the scanner's own; nothing of it is left behind.
        DeleteFileA(file.c_str());
    }
    agent.CloseFindHandle(find);
    if (found)
        m_virusName = foundVirus;
    return found;
}
