// MailAgent: the mail-database library PLV.DLL bound by name, the one agent the scanner
// connects to, and the calls the mail scanning and its notifications make.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "local_scan_options.h"
#include "plv.h"

class MailAgent {
public:
    // The library's answer when it or one of its calls could not be bound.
    static constexpr DWORD kNotBound = ERROR_PROC_NOT_FOUND;
    static constexpr DWORD kNotConnected = 0xFFFFFFFF;

    MailAgent() = default;
    ~MailAgent();
    MailAgent(const MailAgent&) = delete;
    MailAgent& operator=(const MailAgent&) = delete;

    // Disconnects first when connected, then connects to the library's first agent and
    // points its detached directory at the registry's temporary directory.
    bool Connect();
    void Disconnect();
    bool Connected() const { return m_agent != kNotConnected; }
    DWORD Handle() const { return m_agent; }

    // The post office's mailbox names, every turn of the listing taken.
    std::vector<std::string> Mailboxes();
    // The name's extension is one of the options' mail-database extensions (any case).
    static bool IsMailDatabaseExtension(const std::string& name, const LocalScanOptions& options);

    // The library's calls for the connected agent; each answers the library's result.
    DWORD OpenDatabase(const std::string& name, DWORD& database);
    DWORD CloseDatabase(DWORD database);
    DWORD GetAllMsgUids(DWORD database, BYTE* buffer, DWORD& size);
    DWORD GetMsgTime(DWORD database, const PLVMessageId& message, DWORD& time);
    DWORD GetAttFileFromMessage(DWORD database, const PLVMessageId& message, char* names, DWORD& size);
    DWORD GetMailInfoFromAfile(const MailAttachmentRef& message, LONG* offsets, char* text, DWORD& size);
    DWORD ParseAddrList(const std::string& raw, char* buffer, DWORD& size);
    // `directory` holds at least MAX_PATH bytes; on success it holds the extracted file's path.
    DWORD ExtractFile(const MailAttachmentRef& attachment, char* directory);
    DWORD DeleteFile(const MailAttachmentRef& attachment, const char* name);
    DWORD AttachFile(const MailAttachmentRef& attachment, const std::string& path);
    DWORD ScanDatabaseFindFirst(const std::string& path, DWORD& find, MailAttachmentRef& entry);
    DWORD ScanDatabaseFindNext(DWORD find, MailAttachmentRef& entry);
    DWORD CloseFindHandle(DWORD find);
    DWORD SendMail(const MailAttachmentRef* message, const std::string& mailbox, const char* recipient,
        const std::string& sender, const std::string& subject, const std::string& body);

private:
    struct Calls;
    // Loads the library and looks up every call once; false when any is missing.
    bool Bind();
    template <typename Call> bool Look(Call& call, const char* name);

    HMODULE m_module = nullptr;
    Calls* m_calls = nullptr;
    bool m_bindTried = false;
    DWORD m_agent = kNotConnected;
};
