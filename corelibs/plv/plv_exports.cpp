// PLV.DLL's exported functions: argument checks, buffer contracts, code-page conversion,
// and no exception ever leaving the library.
#include <windows.h>

#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "address_list.h"
#include "attachment_ref.h"
#include "guarded_export.h"
#include "mail_agent.h"
#include "plv.h"
#include "post_office_location.h"
#include "text_codec.h"

using plv::AttachmentEntry;
using plv::MailAgent;
using plv::Result;
using postoffice::AnsiToUtf8;
using postoffice::Utf8ToAnsi;

namespace {

constexpr char kAgentName[] = "Morwick Post Office";
constexpr std::size_t kIdentityBytes = 16;

std::mutex& CallLock()
{
    static std::mutex lock;
    return lock;
}

std::map<DWORD, std::unique_ptr<MailAgent>>& Agents()
{
    static std::map<DWORD, std::unique_ptr<MailAgent>> all;
    return all;
}

DWORD nextAgent = 0x50A00001;

MailAgent* AgentOf(DWORD handle)
{
    auto found = Agents().find(handle);
    return found == Agents().end() ? nullptr : found->second.get();
}

DWORD Code(Result result)
{
    return static_cast<DWORD>(result);
}

// Runs one call under the library's lock; a fault inside is reported to the debugger and
// answered with a failure, never passed to the caller.
template <typename Work> DWORD Guarded(const char* call, Work work)
{
    return postoffice::GuardedExport<DWORD>(CallLock(), "PLV", call, PLV_E_NO_MEMORY, PLV_E_INTERNAL, work);
}

template <typename Work> DWORD WithAgent(const char* call, DWORD agent, Work work)
{
    return Guarded(call, [&]() -> DWORD {
        MailAgent* found = AgentOf(agent);
        return found ? work(*found) : PLV_E_BAD_HANDLE;
    });
}

postoffice::MessageIdentity IdentityOf(const PLVMessageId& id)
{
    postoffice::MessageIdentity identity;
    std::memcpy(identity.data(), &id, kIdentityBytes);
    return identity;
}

// The caller's reference, its name cut at the field's end when the caller left no NUL.
AttachmentEntry EntryOf(const MailAttachmentRef& ref)
{
    AttachmentEntry entry;
    entry.database = ref.database;
    entry.message = IdentityOf(ref.message);
    entry.index = ref.index;
    entry.name.assign(ref.name, strnlen(ref.name, PLV_NAME_BYTES - 1));
    return entry;
}

void FillRef(MailAttachmentRef& ref, const AttachmentEntry& entry)
{
    std::memset(&ref, 0, sizeof ref);
    ref.database = entry.database;
    std::memcpy(&ref.message, entry.message.data(), kIdentityBytes);
    ref.index = entry.index;
    std::memcpy(
        ref.name, entry.name.data(), entry.name.size() < PLV_NAME_BYTES - 1 ? entry.name.size() : PLV_NAME_BYTES - 1);
}

// Writes NUL-separated texts ended by an empty one; what fits is written whole. The size
// becomes the bytes written, or the bytes needed when not all fitted.
DWORD WriteList(const std::vector<std::string>& items, LPSTR buffer, DWORD* size, DWORD* written = nullptr,
    DWORD* bytesUsed = nullptr)
{
    DWORD capacity = *size;
    DWORD used = 0, needed = 1, count = 0;
    bool allFit = true;
    for (const std::string& item : items) {
        needed += static_cast<DWORD>(item.size() + 1);
        if (allFit && used + item.size() + 2 <= capacity) {
            std::memcpy(buffer + used, item.c_str(), item.size() + 1);
            used += static_cast<DWORD>(item.size() + 1);
            ++count;
        } else {
            allFit = false;
        }
    }
    if (capacity == 0) {
        *size = needed;
        return PLV_E_MORE_DATA;
    }
    buffer[used++] = '\0';
    if (written)
        *written = count;
    if (bytesUsed)
        *bytesUsed = used;
    *size = allFit ? used : needed;
    return allFit ? PLV_OK : PLV_E_MORE_DATA;
}

std::string Text(LPCSTR text)
{
    return text ? std::string(text) : std::string();
}

std::string CodePageCharset()
{
    UINT page = GetACP();
    if (page == 65001)
        return "utf-8";
    if (page == 28591)
        return "iso-8859-1";
    return "windows-" + std::to_string(page);
}

}  // namespace

extern "C" {

DWORD WINAPI PLVEnumAgents(DWORD, LPSTR names, DWORD* size, DWORD)
{
    if (!names || !size)
        return PLV_E_INVALID;
    return Guarded("PLVEnumAgents", [&]() -> DWORD {
        std::vector<std::string> agents;
        if (postoffice::PostOfficeFolder())
            agents.push_back(kAgentName);
        DWORD result = WriteList(agents, names, size);
        return result == PLV_OK && agents.empty() ? PLV_E_NOT_FOUND : result;
    });
}

DWORD WINAPI PLVConnectAgent(DWORD, LPCSTR agentName, LPCSTR, LPCSTR, LPCSTR, DWORD* agent, DWORD)
{
    if (!agentName || !agent)
        return PLV_E_INVALID;
    return Guarded("PLVConnectAgent", [&]() -> DWORD {
        if (!postoffice::EqualsIgnoreCase(agentName, kAgentName))
            return PLV_E_NOT_FOUND;
        std::optional<std::string> folder = postoffice::PostOfficeFolder();
        if (!folder)
            return PLV_E_NOT_FOUND;
        auto created = std::make_unique<MailAgent>(
            postoffice::PostOffice(*folder), GetCurrentProcessId() * 0x10000u + GetTickCount());
        created->SetNameForm(Utf8ToAnsi);
        char temp[MAX_PATH + 1] = {};
        DWORD n = GetTempPathA(sizeof temp, temp);
        if (n > 0 && n < sizeof temp)
            created->SetDetachedDir(temp);
        DWORD handle = nextAgent++;
        Agents()[handle] = std::move(created);
        *agent = handle;
        return PLV_OK;
    });
}

DWORD WINAPI PLVSetDetachedDir(DWORD agent, LPCSTR directory, DWORD)
{
    if (!directory || !*directory)
        return PLV_E_INVALID;
    return WithAgent("PLVSetDetachedDir", agent, [&](MailAgent& a) -> DWORD {
        DWORD attributes = GetFileAttributesA(directory);
        if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
            return PLV_E_NOT_FOUND;
        a.SetDetachedDir(directory);
        return PLV_OK;
    });
}

DWORD WINAPI PLVDisconnectAgent(DWORD agent, DWORD)
{
    return Guarded("PLVDisconnectAgent", [&]() -> DWORD { return Agents().erase(agent) ? PLV_OK : PLV_E_BAD_HANDLE; });
}

DWORD WINAPI PLVEnumObjects(DWORD agent, DWORD type, DWORD, DWORD, DWORD, DWORD, DWORD* namesWritten, DWORD* namesTotal,
    DWORD* reservedOut, LPSTR buffer, DWORD* size, DWORD* continuation, DWORD* bytesWritten, DWORD)
{
    if (!buffer || !size)
        return PLV_E_INVALID;
    return WithAgent("PLVEnumObjects", agent, [&](MailAgent& a) -> DWORD {
        if (type != PLV_OBJECT_MAILBOXES)
            return PLV_E_NOT_SUPPORTED;
        std::vector<std::string> all = a.Office().Mailboxes();
        DWORD first = continuation ? *continuation : 0;
        if (first > all.size())
            return PLV_E_INVALID;
        std::vector<std::string> rest(all.begin() + first, all.end());
        DWORD capacity = *size, count = 0, used = 0;
        DWORD result = WriteList(rest, buffer, size, &count, &used);
        if (result == PLV_E_MORE_DATA && capacity == 0)
            return result;
        if (namesWritten)
            *namesWritten = count;
        if (namesTotal)
            *namesTotal = static_cast<DWORD>(all.size());
        if (reservedOut)
            *reservedOut = 0;
        if (continuation)
            *continuation = result == PLV_OK ? 0 : first + count;
        if (bytesWritten)
            *bytesWritten = used;
        return result;
    });
}

DWORD WINAPI PLVOpenDatabase(DWORD agent, LPCSTR name, DWORD, DWORD* database, DWORD)
{
    if (!name || !*name || !database)
        return PLV_E_INVALID;
    return WithAgent("PLVOpenDatabase", agent, [&](MailAgent& a) -> DWORD {
        std::uint32_t handle = 0;
        Result result = a.OpenDatabase(name, handle);
        if (result == Result::kOk)
            *database = handle;
        return Code(result);
    });
}

DWORD WINAPI PLVCloseDatabase(DWORD agent, DWORD database, DWORD)
{
    return WithAgent("PLVCloseDatabase", agent, [&](MailAgent& a) { return Code(a.CloseDatabase(database)); });
}

DWORD WINAPI PLVGetAllMsgUids(DWORD agent, DWORD database, BYTE* buffer, DWORD* size, DWORD)
{
    if (!buffer || !size)
        return PLV_E_INVALID;
    return WithAgent("PLVGetAllMsgUids", agent, [&](MailAgent& a) -> DWORD {
        std::vector<postoffice::MessageIdentity> ids;
        if (Result result = a.MessageIds(database, ids); result != Result::kOk)
            return Code(result);
        std::size_t room = *size / kIdentityBytes;
        std::size_t count = ids.size() < room ? ids.size() : room;
        for (std::size_t i = 0; i < count; ++i)
            std::memcpy(buffer + i * kIdentityBytes, ids[i].data(), kIdentityBytes);
        *size = static_cast<DWORD>(count * kIdentityBytes);
        return ids.size() > room ? PLV_E_MORE_DATA : PLV_OK;
    });
}

DWORD WINAPI PLVGetMsgTime(DWORD agent, DWORD database, const PLVMessageId* message, DWORD* time, DWORD)
{
    if (!message || !time)
        return PLV_E_INVALID;
    return WithAgent("PLVGetMsgTime", agent, [&](MailAgent& a) -> DWORD {
        std::int64_t when = 0;
        Result result = a.MessageTime(database, IdentityOf(*message), when);
        if (result == Result::kOk)
            *time = static_cast<DWORD>(when);
        return Code(result);
    });
}

DWORD WINAPI PLVGetAttFileFromMessage(
    DWORD agent, DWORD database, const PLVMessageId* message, LPSTR names, DWORD* size, DWORD)
{
    if (!message || !names || !size)
        return PLV_E_INVALID;
    return WithAgent("PLVGetAttFileFromMessage", agent, [&](MailAgent& a) -> DWORD {
        std::vector<std::string> list;
        if (Result result = a.AttachmentNames(database, IdentityOf(*message), list); result != Result::kOk)
            return Code(result);
        return WriteList(list, names, size);
    });
}

DWORD WINAPI PLVGetMailInfoFromAfile(
    DWORD agent, const MailAttachmentRef* message, LONG* offsets, LPSTR text, DWORD* size, DWORD)
{
    if (!message || !offsets || !text || !size)
        return PLV_E_INVALID;
    return WithAgent("PLVGetMailInfoFromAfile", agent, [&](MailAgent& a) -> DWORD {
        for (int f = 0; f < 5; ++f)
            offsets[f] = -1;
        plv::MailInfo info;
        if (Result result = a.Info(message->database, IdentityOf(message->message), info); result != Result::kOk)
            return Code(result);
        DWORD capacity = *size, used = 0;
        bool allFit = true;
        for (int f = 0; f < 5; ++f) {
            if (!info[f])
                continue;
            std::string value = Utf8ToAnsi(*info[f]);
            if (used + value.size() + 1 > capacity) {
                allFit = false;
                continue;
            }
            std::memcpy(text + used, value.c_str(), value.size() + 1);
            offsets[f] = static_cast<LONG>(used);
            used += static_cast<DWORD>(value.size() + 1);
        }
        if (used == 0 && capacity > 0)
            text[0] = '\0';
        *size = used;
        return allFit ? PLV_OK : PLV_E_MORE_DATA;
    });
}

DWORD WINAPI PLVParseAddrList(DWORD agent, LPCSTR raw, LPSTR buffer, DWORD* size, DWORD)
{
    if (!raw || !buffer || !size)
        return PLV_E_INVALID;
    return WithAgent("PLVParseAddrList", agent, [&](MailAgent&) -> DWORD {
        std::string readable = Utf8ToAnsi(postoffice::FormatAddressList(postoffice::ParseAddressList(AnsiToUtf8(raw))));
        if (readable.size() + 1 > *size) {
            *size = static_cast<DWORD>(readable.size() + 1);
            return PLV_E_MORE_DATA;
        }
        std::memcpy(buffer, readable.c_str(), readable.size() + 1);
        *size = static_cast<DWORD>(readable.size() + 1);
        return PLV_OK;
    });
}

DWORD WINAPI PLVExtractFile(DWORD agent, const MailAttachmentRef* attachment, LPSTR directory, DWORD)
{
    if (!attachment || !directory)
        return PLV_E_INVALID;
    return WithAgent("PLVExtractFile", agent, [&](MailAgent& a) -> DWORD {
        std::string folder(directory, strnlen(directory, MAX_PATH));
        std::string path;
        Result result = a.Extract(EntryOf(*attachment), folder, path);
        if (result != Result::kOk)
            return Code(result);
        // The generated path is at most 259 bytes, so it fits the caller's 260.
        std::memcpy(directory, path.c_str(), path.size() + 1);
        return PLV_OK;
    });
}

DWORD WINAPI PLVDeleteFile(DWORD agent, const MailAttachmentRef* attachment, LPCSTR name, DWORD)
{
    if (!attachment)
        return PLV_E_INVALID;
    return WithAgent(
        "PLVDeleteFile", agent, [&](MailAgent& a) { return Code(a.Delete(EntryOf(*attachment), Text(name))); });
}

DWORD WINAPI PLVAttachFile(DWORD agent, const MailAttachmentRef* attachment, LPCSTR path, DWORD)
{
    if (!attachment || !path || !*path)
        return PLV_E_INVALID;
    return WithAgent("PLVAttachFile", agent, [&](MailAgent& a) {
        AttachmentEntry entry = EntryOf(*attachment);
        entry.name = AnsiToUtf8(entry.name);
        return Code(a.Attach(entry, path));
    });
}

DWORD WINAPI PLVScanDatabaseFindFirst(
    DWORD agent, LPCSTR path, DWORD, DWORD, DWORD* find, MailAttachmentRef* entry, DWORD)
{
    if (!path || !*path || !find || !entry)
        return PLV_E_INVALID;
    return WithAgent("PLVScanDatabaseFindFirst", agent, [&](MailAgent& a) -> DWORD {
        std::uint32_t handle = 0;
        AttachmentEntry first;
        Result result = a.FindFirst(path, handle, first);
        if (result != Result::kOk)
            return Code(result);
        *find = handle;
        FillRef(*entry, first);
        return PLV_OK;
    });
}

DWORD WINAPI PLVScanDatabaseFindNext(DWORD agent, DWORD find, MailAttachmentRef* entry, DWORD)
{
    if (!entry)
        return PLV_E_INVALID;
    return WithAgent("PLVScanDatabaseFindNext", agent, [&](MailAgent& a) -> DWORD {
        AttachmentEntry next;
        Result result = a.FindNext(find, next);
        if (result == Result::kOk)
            FillRef(*entry, next);
        return Code(result);
    });
}

DWORD WINAPI PLVCloseFindHandle(DWORD agent, DWORD find, DWORD)
{
    return WithAgent("PLVCloseFindHandle", agent, [&](MailAgent& a) { return Code(a.CloseFind(find)); });
}

DWORD WINAPI PLVSendMail(DWORD agent, const MailAttachmentRef* message, LPCSTR mailbox, LPCSTR recipient, LPCSTR sender,
    LPCSTR subject, LPCSTR body, DWORD)
{
    return WithAgent("PLVSendMail", agent, [&](MailAgent& a) {
        std::time_t now = std::time(nullptr);
        return Code(a.Send(message ? message->database : 0, Text(mailbox), Text(recipient), Text(sender), Text(subject),
            Text(body), CodePageCharset(), static_cast<std::int64_t>(now)));
    });
}

}  // extern "C"
