// What the mail scanning tests work with: a real post office named in the registry (the
// previous folder, "IncTime" and notes.ini's administrator are put back afterwards), messages
// written out with their attachments, and the mailboxes read back.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "mailbox.h"
#include "scan_test_files.h"

namespace mail_test {

struct Attachment {
    std::string name;
    std::string bytes;
};

// A MIME message; with attachments a multipart/mixed one, each attachment in base64.
std::string Message(const std::string& from, const std::string& to, const std::string& subject,
    const std::string& date, const std::vector<Attachment>& attachments);

class TestPostOffice {
public:
    // Mailboxes admin, alice and bob; the administrator is admin.
    TestPostOffice();
    ~TestPostOffice();
    void Deliver(const std::string& mailbox, const std::string& message, std::int64_t time = 1700000000);
    std::string Folder() const { return m_folder.Path("po"); }
    postoffice::Mailbox Read(const std::string& mailbox) const;
    // The decoded text of a message without attachments.
    static std::string Body(const postoffice::Mailbox& box, size_t message);

private:
    scan_test::ScratchFolder m_folder {"quillet-mail-office"};
    std::optional<std::string> m_previousFolder;
    bool m_hadIncTime = false;
    DWORD m_incTime = 0;
    std::string m_previousAdmin;
};

// The files (not folders) in `folder` whose names match `pattern`.
size_t FilesIn(const std::string& folder, const std::string& pattern = "*");

// "IncTime" under the product's "MAIL" key; nothing when it is not set.
std::optional<DWORD> IncrementalTime();
void ClearIncrementalTime();

}  // namespace mail_test
