// MailNotifier: the mail sent when a virus is found in an attachment of a mailbox: the note
// attached to the message, and the letters to its owner, its sender and the administrator.
#pragma once

#include <string>

#include "local_scan_options.h"
#include "plv.h"

class MailAgent;

class MailNotifier {
public:
    MailNotifier(MailAgent& agent, const LocalScanOptions& options);

    // The note's opening text, read from the current directory.
    std::string headerFile = "VIRUSHDR.TXT";
    // The mail system's settings file; its [Notes] Admin names the administrator.
    std::string settingsFile = "notes.ini";
    // Where the note is put together before it is attached; the registry's temporary directory.
    std::string noteDirectory;

    // `attachment`: the message (its first 20 bytes) and the infected attachment's name.
    // Failures are not reported: the scan goes on.
    void Notify(const MailAttachmentRef& attachment, const std::string& mailbox, const std::string& virus,
        const std::string& outcome);

    // "File <name> infected with  <virus> - <outcome> " (the string's final line feed dropped).
    static std::string DetectionText(const std::string& attachment, const std::string& virus, const std::string& outcome);

private:
    void AttachNote(const MailAttachmentRef& attachment, const std::string& detection);
    std::string Administrator() const;

    MailAgent& m_agent;
    const LocalScanOptions& m_options;
};
