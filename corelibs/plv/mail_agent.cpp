// The mail agent: databases with a cache checked against the file on every call, and the
// changes made through the post office's locked rewrite.
#include "mail_agent.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <system_error>

#include "exclusive_file.h"
#include "mail_limits.h"
#include "mailbox_store.h"
#include "text_codec.h"

namespace plv {
namespace {

using postoffice::Mailbox;
using postoffice::MessageIdentity;
using postoffice::StoreStatus;

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif
constexpr std::size_t kMaxPathBytes = 259;
constexpr std::uint32_t kMaxNameTries = 1000;

bool IsSeparator(char c)
{
    return c == '/' || c == '\\';
}

std::string BaseName(const std::string& path)
{
    std::size_t slash = path.find_last_of("/\\:");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

Result FromStore(StoreStatus status)
{
    switch (status) {
    case StoreStatus::kOk: return Result::kOk;
    case StoreStatus::kMissing: return Result::kNotFound;
    case StoreStatus::kTooLarge: return Result::kUnreadable;
    case StoreStatus::kBusy: return Result::kBusy;
    case StoreStatus::kIoError: return Result::kWrite;
    case StoreStatus::kUnchanged: return Result::kUnreadable;
    }
    return Result::kWrite;
}

std::string SafeExtension(const std::string& name)
{
    std::size_t dot = name.find_last_of('.');
    if (dot == std::string::npos)
        return {};
    std::string extension = name.substr(dot + 1);
    if (extension.empty() || extension.size() > 8)
        return {};
    for (char c : extension)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')))
            return {};
    return extension;
}

MailAgent::MailAgent(postoffice::PostOffice office, std::uint32_t seed)
    : m_office(std::move(office)), m_nextHandle(0x50C00001), m_nameCounter(seed)
{
}

MailAgent::Database* MailAgent::Find(std::uint32_t handle)
{
    auto found = m_databases.find(handle);
    return found == m_databases.end() ? nullptr : &found->second;
}

Result MailAgent::OpenDatabase(const std::string& name, std::uint32_t& handle)
{
    Database database;
    if (std::optional<std::string> mailbox = m_office.FindMailbox(name)) {
        database.mailbox = *mailbox;
        database.path = m_office.MailboxPath(*mailbox);
    } else {
        std::error_code error;
        if (name.empty() || !std::filesystem::is_regular_file(name, error))
            return Result::kNotFound;
        database.path = name;
    }
    const Mailbox* loaded = nullptr;
    if (Result result = Current(database, loaded); result != Result::kOk)
        return result;
    handle = m_nextHandle++;
    m_databases[handle] = std::move(database);
    return Result::kOk;
}

Result MailAgent::CloseDatabase(std::uint32_t handle)
{
    if (!m_databases.erase(handle))
        return Result::kBadHandle;
    for (auto it = m_searches.begin(); it != m_searches.end();)
        it = it->second.database == handle ? m_searches.erase(it) : std::next(it);
    return Result::kOk;
}

Result MailAgent::Current(Database& database, const Mailbox*& mailbox)
{
    std::error_code error;
    std::uintmax_t size = std::filesystem::file_size(database.path, error);
    if (error)
        return Result::kNotFound;
    std::int64_t time = std::filesystem::last_write_time(database.path, error).time_since_epoch().count();
    if (error)
        return Result::kNotFound;
    if (!database.cached || database.stampSize != size || database.stampTime != time) {
        std::optional<Mailbox> fresh;
        StoreStatus status = postoffice::LoadMailbox(database.path, fresh);
        if (status != StoreStatus::kOk)
            return FromStore(status);
        database.cached = std::move(fresh);
        database.stampSize = size;
        database.stampTime = time;
    }
    mailbox = &*database.cached;
    return Result::kOk;
}

Result MailAgent::MessageIds(std::uint32_t handle, std::vector<MessageIdentity>& ids)
{
    Database* database = Find(handle);
    if (!database)
        return Result::kBadHandle;
    const Mailbox* box = nullptr;
    if (Result result = Current(*database, box); result != Result::kOk)
        return result;
    ids.clear();
    for (std::size_t i = 0; i < box->Count(); ++i)
        ids.push_back(box->Identity(i));
    return Result::kOk;
}

Result MailAgent::Message(
    std::uint32_t handle, const MessageIdentity& id, Database*& database, const Mailbox*& box, std::size_t& index)
{
    database = Find(handle);
    if (!database)
        return Result::kBadHandle;
    if (Result result = Current(*database, box); result != Result::kOk)
        return result;
    std::optional<std::size_t> i = box->Find(id);
    if (!i)
        return Result::kNotFound;
    index = *i;
    return Result::kOk;
}

std::vector<std::string> MailAgent::FormedNames(const Mailbox& box, std::size_t message) const
{
    std::vector<std::string> names;
    for (const std::string& name : box.AttachmentNames(message))
        names.push_back(m_nameForm(name));
    return names;
}

Result MailAgent::MessageTime(std::uint32_t handle, const MessageIdentity& id, std::int64_t& time)
{
    Database* database = nullptr;
    const Mailbox* box = nullptr;
    std::size_t i = 0;
    if (Result result = Message(handle, id, database, box, i); result != Result::kOk)
        return result;
    std::optional<std::int64_t> when = box->Time(i);
    if (!when || *when > 0xFFFFFFFFll)
        return Result::kUnreadable;
    time = *when;
    return Result::kOk;
}

Result MailAgent::AttachmentNames(std::uint32_t handle, const MessageIdentity& id, std::vector<std::string>& names)
{
    Database* database = nullptr;
    const Mailbox* box = nullptr;
    std::size_t i = 0;
    if (Result result = Message(handle, id, database, box, i); result != Result::kOk)
        return result;
    if (!box->Readable(i))
        return Result::kUnreadable;
    names = FormedNames(*box, i);
    return Result::kOk;
}

Result MailAgent::Info(std::uint32_t handle, const MessageIdentity& id, MailInfo& info)
{
    Database* database = nullptr;
    const Mailbox* box = nullptr;
    std::size_t i = 0;
    if (Result result = Message(handle, id, database, box, i); result != Result::kOk)
        return result;
    static const char* const kFields[5] = {"To", "From", "Date", "Subject", "CC"};
    for (int f = 0; f < 5; ++f) {
        info[f].reset();
        if (box->HasField(i, kFields[f]))
            info[f] = box->Field(i, kFields[f]);
    }
    return Result::kOk;
}

Result MailAgent::Locate(
    const AttachmentEntry& entry, Database*& database, std::size_t& message, std::size_t& attachment)
{
    const Mailbox* box = nullptr;
    if (Result result = Message(entry.database, entry.message, database, box, message); result != Result::kOk)
        return result;
    if (!box->Readable(message))
        return Result::kUnreadable;
    std::vector<std::string> names = FormedNames(*box, message);
    // The index is trusted while the name there still matches; after another change moved
    // the attachments, the name finds it.
    if (entry.index < names.size() && (entry.name.empty() || names[entry.index] == entry.name)) {
        attachment = entry.index;
        return Result::kOk;
    }
    for (std::size_t a = 0; a < names.size(); ++a)
        if (names[a] == entry.name) {
            attachment = a;
            return Result::kOk;
        }
    return Result::kNotFound;
}

Result MailAgent::Extract(const AttachmentEntry& entry, const std::string& directory, std::string& path)
{
    Database* database = nullptr;
    std::size_t message = 0, attachment = 0;
    if (Result result = Locate(entry, database, message, attachment); result != Result::kOk)
        return result;
    std::optional<std::string> bytes = database->cached->AttachmentBytes(message, attachment);
    if (!bytes)
        return Result::kUnreadable;
    std::string base = directory.empty() ? m_detachedDir : directory;
    if (base.empty())
        return Result::kInvalid;
    if (!IsSeparator(base.back()))
        base += kSeparator;
    std::string extension = SafeExtension(database->cached->AttachmentNames(message)[attachment]);
    for (std::uint32_t attempt = 0; attempt < kMaxNameTries; ++attempt) {
        char name[16];
        std::snprintf(name, sizeof name, "PLV%08X", static_cast<unsigned>(m_nameCounter++));
        std::string candidate = base + name + (extension.empty() ? "" : "." + extension);
        if (candidate.size() > kMaxPathBytes)
            return Result::kInvalid;
        bool exists = false;
        std::FILE* file = CreateExclusiveFile(candidate, exists);
        if (!file) {
            if (exists)
                continue;
            return Result::kWrite;
        }
        bool written = std::fwrite(bytes->data(), 1, bytes->size(), file) == bytes->size();
        written = std::fclose(file) == 0 && written;
        if (!written) {
            std::remove(candidate.c_str());
            return Result::kWrite;
        }
        path = candidate;
        return Result::kOk;
    }
    return Result::kWrite;
}

Result MailAgent::Change(
    Database& database, const MessageIdentity& id, const std::function<bool(Mailbox&, std::size_t)>& change)
{
    bool found = false;
    StoreStatus status = postoffice::ChangeMailbox(
        database.path,
        [&](Mailbox& box) {
            std::optional<std::size_t> i = box.Find(id);
            found = i.has_value();
            return found && change(box, *i);
        },
        false);
    database.cached.reset();
    if (status == StoreStatus::kUnchanged && !found)
        return Result::kNotFound;
    return FromStore(status);
}

Result MailAgent::Delete(const AttachmentEntry& entry, const std::string& byName)
{
    AttachmentEntry target = entry;
    if (!byName.empty()) {
        target.name = byName;
        target.index = 0xFFFFFFFFu;  // the name alone decides
    }
    Database* database = nullptr;
    std::size_t message = 0, attachment = 0;
    if (Result result = Locate(target, database, message, attachment); result != Result::kOk)
        return result;
    std::string name = database->cached->AttachmentNames(message)[attachment];
    return Change(*database, entry.message, [&](Mailbox& box, std::size_t i) {
        // The file may have changed since it was read: the attachment must still be there.
        std::vector<std::string> now = box.AttachmentNames(i);
        return attachment < now.size() && now[attachment] == name && box.DeleteAttachment(i, attachment);
    });
}

Result MailAgent::Attach(const AttachmentEntry& entry, const std::string& filePath)
{
    Database* database = Find(entry.database);
    if (!database)
        return Result::kBadHandle;
    std::string bytes;
    StoreStatus read = postoffice::ReadFileBytes(filePath, postoffice::limits::kMaxMessageBytes / 2, bytes);
    if (read != StoreStatus::kOk)
        return read == StoreStatus::kTooLarge ? Result::kInvalid : Result::kNotFound;
    std::string name = entry.name.empty() ? BaseName(filePath) : entry.name;
    if (name.empty())
        return Result::kInvalid;
    return Change(
        *database, entry.message, [&](Mailbox& box, std::size_t i) { return box.AddAttachment(i, name, bytes); });
}

Result MailAgent::FindFirst(const std::string& path, std::uint32_t& find, AttachmentEntry& entry)
{
    std::uint32_t database = 0;
    if (Result result = OpenDatabase(path, database); result != Result::kOk)
        return result;
    Search search {database, {}, 0};
    const Mailbox& box = *m_databases[database].cached;
    for (std::size_t i = 0; i < box.Count(); ++i) {
        std::vector<std::string> names = FormedNames(box, i);
        for (std::size_t a = 0; a < names.size(); ++a)
            search.entries.push_back({database, box.Identity(i), static_cast<std::uint32_t>(a), names[a]});
    }
    if (search.entries.empty()) {
        CloseDatabase(database);
        return Result::kNoMore;
    }
    find = m_nextHandle++;
    m_searches[find] = std::move(search);
    return FindNext(find, entry);
}

Result MailAgent::FindNext(std::uint32_t find, AttachmentEntry& entry)
{
    auto found = m_searches.find(find);
    if (found == m_searches.end())
        return Result::kBadHandle;
    Search& search = found->second;
    if (search.next >= search.entries.size())
        return Result::kNoMore;
    entry = search.entries[search.next++];
    return Result::kOk;
}

Result MailAgent::CloseFind(std::uint32_t find)
{
    auto found = m_searches.find(find);
    if (found == m_searches.end())
        return Result::kBadHandle;
    std::uint32_t database = found->second.database;
    m_searches.erase(found);
    CloseDatabase(database);
    return Result::kOk;
}

Result MailAgent::Send(std::uint32_t database, const std::string& mailbox, const std::string& recipient,
    const std::string& sender, const std::string& subject, const std::string& body, const std::string& charset,
    std::int64_t time)
{
    std::optional<std::string> target;
    if (!recipient.empty()) {
        target = m_office.Resolve(recipient);
    } else {
        target = m_office.FindMailbox(mailbox);
        if (!target)
            if (Database* open = Find(database); open && !open->mailbox.empty())
                target = open->mailbox;
    }
    if (!target)
        return Result::kNotFound;
    postoffice::OutgoingMail mail;
    mail.from = sender;
    mail.to = *target;
    mail.subject = subject;
    mail.body = body;
    mail.charset = charset;
    mail.time = time;
    return FromStore(m_office.Deliver(*target, postoffice::ComposeMessage(mail), sender, time));
}

}  // namespace plv
