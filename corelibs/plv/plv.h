// PLV.DLL's interface: the site's post office as mail agent, its mailboxes as databases,
// their messages and attachments, and new mail.
#pragma once

#include <windows.h>

// Results: 0 is success; failures are these Win32 error numbers.
#define PLV_OK 0
#define PLV_E_NOT_FOUND 2  // no such agent, mailbox, file, message or attachment
#define PLV_E_BAD_HANDLE 6  // an agent, database or find handle this library did not give
#define PLV_E_NO_MEMORY 8
#define PLV_E_UNREADABLE 13  // the message or mailbox is beyond a limit or not mail
#define PLV_E_NO_MORE 18  // a search has no further attachment
#define PLV_E_WRITE 29  // a file could not be written
#define PLV_E_NOT_SUPPORTED 50  // an object type other than 4
#define PLV_E_INVALID 87  // a required argument is missing or malformed
#define PLV_E_BUSY 170  // another program held the mailbox for the whole wait
#define PLV_E_MORE_DATA 234  // the buffer was too small; what fitted was written
#define PLV_E_INTERNAL 1359

#define PLV_OBJECT_MAILBOXES 4
#define PLV_IDENTITY_BYTES 16
#define PLV_NAME_BYTES 256

// The message identity: four 32-bit values.
typedef struct PLVMessageId {
    DWORD part[4];
} PLVMessageId;

// The attachment reference (280 bytes): a database, a message, the attachment's index
// within the message and its name. Its first 20 bytes name the message alone.
typedef struct MailAttachmentRef {
    DWORD database;
    PLVMessageId message;
    DWORD index;
    char name[PLV_NAME_BYTES];
} MailAttachmentRef;

#ifdef __cplusplus
extern "C" {
#endif

DWORD WINAPI PLVEnumAgents(DWORD reserved0, LPSTR names, DWORD* size, DWORD reserved);
DWORD WINAPI PLVConnectAgent(
    DWORD reserved0, LPCSTR agentName, LPCSTR server, LPCSTR user, LPCSTR password, DWORD* agent, DWORD reserved);
DWORD WINAPI PLVSetDetachedDir(DWORD agent, LPCSTR directory, DWORD reserved);
DWORD WINAPI PLVDisconnectAgent(DWORD agent, DWORD reserved);
DWORD WINAPI PLVEnumObjects(DWORD agent, DWORD type, DWORD arg2, DWORD arg3, DWORD arg4, DWORD arg5,
    DWORD* namesWritten, DWORD* namesTotal, DWORD* reservedOut, LPSTR buffer, DWORD* size, DWORD* continuation,
    DWORD* bytesWritten, DWORD reserved);
DWORD WINAPI PLVOpenDatabase(DWORD agent, LPCSTR name, DWORD flags, DWORD* database, DWORD reserved);
DWORD WINAPI PLVCloseDatabase(DWORD agent, DWORD database, DWORD reserved);
DWORD WINAPI PLVGetAllMsgUids(DWORD agent, DWORD database, BYTE* buffer, DWORD* size, DWORD reserved);
DWORD WINAPI PLVGetMsgTime(DWORD agent, DWORD database, const PLVMessageId* message, DWORD* time, DWORD reserved);
DWORD WINAPI PLVGetAttFileFromMessage(
    DWORD agent, DWORD database, const PLVMessageId* message, LPSTR names, DWORD* size, DWORD reserved);
DWORD WINAPI PLVGetMailInfoFromAfile(
    DWORD agent, const MailAttachmentRef* message, LONG* offsets, LPSTR text, DWORD* size, DWORD reserved);
DWORD WINAPI PLVParseAddrList(DWORD agent, LPCSTR raw, LPSTR buffer, DWORD* size, DWORD reserved);
DWORD WINAPI PLVExtractFile(DWORD agent, const MailAttachmentRef* attachment, LPSTR directory, DWORD reserved);
DWORD WINAPI PLVDeleteFile(DWORD agent, const MailAttachmentRef* attachment, LPCSTR name, DWORD reserved);
DWORD WINAPI PLVAttachFile(DWORD agent, const MailAttachmentRef* attachment, LPCSTR path, DWORD reserved);
DWORD WINAPI PLVScanDatabaseFindFirst(
    DWORD agent, LPCSTR path, DWORD arg2, DWORD arg3, DWORD* find, MailAttachmentRef* entry, DWORD reserved);
DWORD WINAPI PLVScanDatabaseFindNext(DWORD agent, DWORD find, MailAttachmentRef* entry, DWORD reserved);
DWORD WINAPI PLVCloseFindHandle(DWORD agent, DWORD find, DWORD reserved);
DWORD WINAPI PLVSendMail(DWORD agent, const MailAttachmentRef* message, LPCSTR mailbox, LPCSTR recipient, LPCSTR sender,
    LPCSTR subject, LPCSTR body, DWORD reserved);

#ifdef __cplusplus
}
#endif
