// The mail agent behind PLV.DLL: the post office's mailboxes and mail-database files opened
// as databases, their messages and attachments, searches and new mail. Texts are UTF-8;
// the exported functions convert to and from the caller's code page.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "mailbox.h"
#include "post_office.h"

namespace plv {

// Win32 error numbers, as the exported functions return them.
enum class Result : std::uint32_t {
    kOk = 0,
    kNotFound = 2,
    kBadHandle = 6,
    kUnreadable = 13,
    kNoMore = 18,
    kWrite = 29,
    kInvalid = 87,
    kBusy = 170,
    kMoreData = 234,
};

struct AttachmentEntry {
    std::uint32_t database = 0;
    postoffice::MessageIdentity message {};
    std::uint32_t index = 0;
    std::string name;
};

// Header fields of a message, in the order the callers expect: To, From, Date, Subject, CC.
using MailInfo = std::array<std::optional<std::string>, 5>;

class MailAgent {
public:
    explicit MailAgent(postoffice::PostOffice office, std::uint32_t seed);

    const postoffice::PostOffice& Office() const { return m_office; }
    // The form attachment names are handed out and compared in (the caller's code page);
    // the names inside the post office stay UTF-8.
    void SetNameForm(std::function<std::string(const std::string&)> form) { m_nameForm = std::move(form); }
    void SetDetachedDir(std::string directory) { m_detachedDir = std::move(directory); }
    const std::string& DetachedDir() const { return m_detachedDir; }

    // A mailbox name of the post office, or the path of a mail-database file.
    Result OpenDatabase(const std::string& name, std::uint32_t& handle);
    Result CloseDatabase(std::uint32_t handle);

    Result MessageIds(std::uint32_t handle, std::vector<postoffice::MessageIdentity>& ids);
    Result MessageTime(std::uint32_t handle, const postoffice::MessageIdentity& id, std::int64_t& time);
    Result AttachmentNames(
        std::uint32_t handle, const postoffice::MessageIdentity& id, std::vector<std::string>& names);
    Result Info(std::uint32_t handle, const postoffice::MessageIdentity& id, MailInfo& info);

    // Writes the attachment to a new, generated file in the directory (the detached
    // directory when empty) and gives its path.
    Result Extract(const AttachmentEntry& entry, const std::string& directory, std::string& path);
    // Removes the attachment: the one named byName when given, else the entry's.
    Result Delete(const AttachmentEntry& entry, const std::string& byName);
    // Attaches the file under the entry's name (the file's own name when that is empty).
    Result Attach(const AttachmentEntry& entry, const std::string& filePath);

    Result FindFirst(const std::string& path, std::uint32_t& find, AttachmentEntry& entry);
    Result FindNext(std::uint32_t find, AttachmentEntry& entry);
    Result CloseFind(std::uint32_t find);

    // Delivers new mail. An empty recipient means the mailbox named, or else the mailbox
    // of the database.
    Result Send(std::uint32_t database, const std::string& mailbox, const std::string& recipient,
        const std::string& sender, const std::string& subject, const std::string& body, const std::string& charset,
        std::int64_t time);

private:
    struct Database {
        std::string path;
        std::string mailbox;  // empty for a mail-database file
        std::optional<postoffice::Mailbox> cached;
        std::uintmax_t stampSize = 0;
        std::int64_t stampTime = 0;
    };
    struct Search {
        std::uint32_t database;
        std::vector<AttachmentEntry> entries;
        std::size_t next = 0;
    };

    Database* Find(std::uint32_t handle);
    // The database's mailbox as it is on disk now (read again when the file changed).
    Result Current(Database& database, const postoffice::Mailbox*& mailbox);
    // The open database, its current mailbox and the message's place in it.
    Result Message(std::uint32_t handle, const postoffice::MessageIdentity& id, Database*& database,
        const postoffice::Mailbox*& box, std::size_t& index);
    // The message's attachment names in the form they are handed out in.
    std::vector<std::string> FormedNames(const postoffice::Mailbox& box, std::size_t message) const;
    Result Locate(const AttachmentEntry& entry, Database*& database, std::size_t& message, std::size_t& attachment);
    Result Change(Database& database, const postoffice::MessageIdentity& id,
        const std::function<bool(postoffice::Mailbox&, std::size_t)>& change);

    postoffice::PostOffice m_office;
    std::string m_detachedDir;
    std::function<std::string(const std::string&)> m_nameForm = [](const std::string& name) { return name; };
    std::map<std::uint32_t, Database> m_databases;
    std::map<std::uint32_t, Search> m_searches;
    std::uint32_t m_nextHandle;
    std::uint32_t m_nameCounter;
};

// The generated name of an extracted attachment: "PLV" and eight hex digits, with the
// attachment's extension when it is 1 to 8 letters or digits.
std::string SafeExtension(const std::string& name);

Result FromStore(postoffice::StoreStatus status);

}  // namespace plv
