// MailAgent: PLV.DLL's calls looked up by name, the connection and the mailbox listing.
#include "mail_agent.h"

#include <algorithm>
#include <cstring>

#include "attachment_ref.h"
#include "quillet_registry.h"
#include "scan_item_rules.h"

namespace {

constexpr DWORD kAgentNameBytes = 512;
constexpr DWORD kMailboxListBytes = 64 * 1024;

}  // namespace

struct MailAgent::Calls {
    decltype(&PLVEnumAgents) enumAgents = nullptr;
    decltype(&PLVConnectAgent) connectAgent = nullptr;
    decltype(&PLVSetDetachedDir) setDetachedDir = nullptr;
    decltype(&PLVDisconnectAgent) disconnectAgent = nullptr;
    decltype(&PLVEnumObjects) enumObjects = nullptr;
    decltype(&PLVOpenDatabase) openDatabase = nullptr;
    decltype(&PLVCloseDatabase) closeDatabase = nullptr;
    decltype(&PLVGetAllMsgUids) getAllMsgUids = nullptr;
    decltype(&PLVGetMsgTime) getMsgTime = nullptr;
    decltype(&PLVGetAttFileFromMessage) getAttFileFromMessage = nullptr;
    decltype(&PLVGetMailInfoFromAfile) getMailInfoFromAfile = nullptr;
    decltype(&PLVParseAddrList) parseAddrList = nullptr;
    decltype(&PLVExtractFile) extractFile = nullptr;
    decltype(&PLVDeleteFile) deleteFile = nullptr;
    decltype(&PLVAttachFile) attachFile = nullptr;
    decltype(&PLVScanDatabaseFindFirst) findFirst = nullptr;
    decltype(&PLVScanDatabaseFindNext) findNext = nullptr;
    decltype(&PLVCloseFindHandle) closeFind = nullptr;
    decltype(&PLVSendMail) sendMail = nullptr;
};

MailAgent::~MailAgent()
{
    Disconnect();
    delete m_calls;
    if (m_module)
        FreeLibrary(m_module);
}

template <typename Call> bool MailAgent::Look(Call& call, const char* name)
{
    call = reinterpret_cast<Call>(reinterpret_cast<void*>(GetProcAddress(m_module, name)));
    return call != nullptr;
}

bool MailAgent::Bind()
{
    if (m_bindTried)
        return m_calls != nullptr;
    m_bindTried = true;
    m_module = LoadLibraryA("PLV.DLL");
    if (!m_module)
        return false;
    auto* calls = new Calls;
    Calls& c = *calls;
    const bool all = Look(c.enumAgents, "PLVEnumAgents") && Look(c.connectAgent, "PLVConnectAgent") &&
        Look(c.setDetachedDir, "PLVSetDetachedDir") && Look(c.disconnectAgent, "PLVDisconnectAgent") &&
        Look(c.enumObjects, "PLVEnumObjects") && Look(c.openDatabase, "PLVOpenDatabase") &&
        Look(c.closeDatabase, "PLVCloseDatabase") && Look(c.getAllMsgUids, "PLVGetAllMsgUids") &&
        Look(c.getMsgTime, "PLVGetMsgTime") && Look(c.getAttFileFromMessage, "PLVGetAttFileFromMessage") &&
        Look(c.getMailInfoFromAfile, "PLVGetMailInfoFromAfile") && Look(c.parseAddrList, "PLVParseAddrList") &&
        Look(c.extractFile, "PLVExtractFile") && Look(c.deleteFile, "PLVDeleteFile") &&
        Look(c.attachFile, "PLVAttachFile") && Look(c.findFirst, "PLVScanDatabaseFindFirst") &&
        Look(c.findNext, "PLVScanDatabaseFindNext") && Look(c.closeFind, "PLVCloseFindHandle") &&
        Look(c.sendMail, "PLVSendMail");
    if (!all) {
        delete calls;
        FreeLibrary(m_module);
        m_module = nullptr;
        return false;
    }
    m_calls = calls;
    return true;
}

bool MailAgent::Connect()
{
    Disconnect();
    if (!Bind())
        return false;
    char name[kAgentNameBytes] = {};
    // The size passed is the buffer's own, so a long agent list can never write past it.
    DWORD size = sizeof name;
    if (m_calls->enumAgents(0, name, &size, 0) != 0 || name[0] == '\0')
        return false;
    name[sizeof name - 1] = '\0';
    DWORD agent = kNotConnected;
    if (m_calls->connectAgent(0, name, "", "", "", &agent, 0) != 0)
        return false;
    m_agent = agent;
    const std::string temp = ReadVexomarString("Path", "TMP", "c:\\");
    if (m_calls->setDetachedDir(m_agent, temp.c_str(), 0) != 0)
        OutputDebugStringA("Failed to set the temp directory for Notes\n");
    return true;
}

void MailAgent::Disconnect()
{
    if (Connected() && m_calls)
        m_calls->disconnectAgent(m_agent, 0);
    m_agent = kNotConnected;
}

std::vector<std::string> MailAgent::Mailboxes()
{
    std::vector<std::string> names;
    if (!Connected())
        return names;
    std::vector<char> buffer(kMailboxListBytes);
    DWORD continuation = 0;
    // The listing comes in turns when the names do not fit one buffer; each turn starts
    // where the last one stopped, so no mailbox is left out of the tree.
    for (int turn = 0; turn < 1000; ++turn) {
        DWORD written = 0, total = 0, reserved = 0, bytes = 0;
        DWORD size = static_cast<DWORD>(buffer.size());
        const DWORD result = m_calls->enumObjects(m_agent, PLV_OBJECT_MAILBOXES, 0, 0, 0, 0, &written, &total,
            &reserved, buffer.data(), &size, &continuation, &bytes, 0);
        if (result != 0 && result != PLV_E_MORE_DATA)
            break;
        const DWORD used = std::min<DWORD>(bytes, static_cast<DWORD>(buffer.size()));
        for (DWORD at = 0; at < used && buffer[at] != '\0';) {
            const size_t length = strnlen(buffer.data() + at, used - at);
            names.emplace_back(buffer.data() + at, length);
            at += static_cast<DWORD>(length + 1);
        }
        if (result == 0 || continuation == 0 || written == 0)
            break;
    }
    return names;
}

bool MailAgent::IsMailDatabaseExtension(const std::string& name, const LocalScanOptions& options)
{
    const std::string extension = scan_rules::ExtensionOf(name);
    if (extension.empty())
        return false;
    const int count = std::clamp(options.mailDatabaseCount, 0, kExtensionListCapacity);
    for (int i = 0; i < count; ++i) {
        const char* entry = options.mailDatabaseExtensions[i];
        if (scan_rules::EqualNoCase(extension, std::string(entry, strnlen(entry, kExtensionSize))))
            return true;
    }
    return false;
}

DWORD MailAgent::OpenDatabase(const std::string& name, DWORD& database)
{
    return Connected() ? m_calls->openDatabase(m_agent, name.c_str(), 0, &database, 0) : kNotBound;
}

DWORD MailAgent::CloseDatabase(DWORD database)
{
    return Connected() ? m_calls->closeDatabase(m_agent, database, 0) : kNotBound;
}

DWORD MailAgent::GetAllMsgUids(DWORD database, BYTE* buffer, DWORD& size)
{
    return Connected() ? m_calls->getAllMsgUids(m_agent, database, buffer, &size, 0) : kNotBound;
}

DWORD MailAgent::GetMsgTime(DWORD database, const PLVMessageId& message, DWORD& time)
{
    return Connected() ? m_calls->getMsgTime(m_agent, database, &message, &time, 0) : kNotBound;
}

DWORD MailAgent::GetAttFileFromMessage(DWORD database, const PLVMessageId& message, char* names, DWORD& size)
{
    return Connected() ? m_calls->getAttFileFromMessage(m_agent, database, &message, names, &size, 0) : kNotBound;
}

DWORD MailAgent::GetMailInfoFromAfile(const MailAttachmentRef& message, LONG* offsets, char* text, DWORD& size)
{
    return Connected() ? m_calls->getMailInfoFromAfile(m_agent, &message, offsets, text, &size, 0) : kNotBound;
}

DWORD MailAgent::ParseAddrList(const std::string& raw, char* buffer, DWORD& size)
{
    return Connected() ? m_calls->parseAddrList(m_agent, raw.c_str(), buffer, &size, 0) : kNotBound;
}

DWORD MailAgent::ExtractFile(const MailAttachmentRef& attachment, char* directory)
{
    return Connected() ? m_calls->extractFile(m_agent, &attachment, directory, 0) : kNotBound;
}

DWORD MailAgent::DeleteFile(const MailAttachmentRef& attachment, const char* name)
{
    return Connected() ? m_calls->deleteFile(m_agent, &attachment, name, 0) : kNotBound;
}

DWORD MailAgent::AttachFile(const MailAttachmentRef& attachment, const std::string& path)
{
    return Connected() ? m_calls->attachFile(m_agent, &attachment, path.c_str(), 0) : kNotBound;
}

DWORD MailAgent::ScanDatabaseFindFirst(const std::string& path, DWORD& find, MailAttachmentRef& entry)
{
    return Connected() ? m_calls->findFirst(m_agent, path.c_str(), 0, 0, &find, &entry, 0) : kNotBound;
}

DWORD MailAgent::ScanDatabaseFindNext(DWORD find, MailAttachmentRef& entry)
{
    return Connected() ? m_calls->findNext(m_agent, find, &entry, 0) : kNotBound;
}

DWORD MailAgent::CloseFindHandle(DWORD find)
{
    return Connected() ? m_calls->closeFind(m_agent, find, 0) : kNotBound;
}

DWORD MailAgent::SendMail(const MailAttachmentRef* message, const std::string& mailbox, const char* recipient,
    const std::string& sender, const std::string& subject, const std::string& body)
{
    return Connected() ? m_calls->sendMail(m_agent, message, mailbox.c_str(), recipient, sender.c_str(),
                             subject.c_str(), body.c_str(), 0)
                       : kNotBound;
}
