// VXMAIL32.DLL's Simple MAPI functions, as the platform's MAPI32.DLL hands them over:
// argument checks, one lock, and no exception ever leaving the library.
#include <windows.h>
#include <mapi.h>

#include <mutex>
#include <new>
#include <string>

#include "address_book_dlg.h"
#include "guarded_export.h"
#include "mail_client.h"
#include "mapi_buffer.h"

using vxmail::MailClient;
using vxmail::Recipient;

namespace {

HINSTANCE g_module = nullptr;

std::mutex& CallLock()
{
    static std::mutex lock;
    return lock;
}

MailClient& Client()
{
    static MailClient client;
    return client;
}

// Runs one call under the library's lock; a fault inside is reported to the debugger and
// answered with a failure, never passed to the caller.
template <typename Work> ULONG Guarded(const char* call, Work work)
{
    return postoffice::GuardedExport<ULONG>(
        CallLock(), "VXMAIL32", call, MAPI_E_INSUFFICIENT_MEMORY, MAPI_E_FAILURE, work);
}

std::string Text(LPCSTR text)
{
    return text ? std::string(text) : std::string();
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = module;
        DisableThreadLibraryCalls(module);
    }
    return TRUE;
}

ULONG WINAPI MAPILogon(ULONG_PTR, LPSTR profile, LPSTR password, FLAGS, ULONG, LPLHANDLE session)
{
    if (!session)
        return MAPI_E_FAILURE;
    return Guarded("MAPILogon", [&] { return Client().Logon(profile, password, *session); });
}

ULONG WINAPI MAPILogoff(LHANDLE session, ULONG_PTR, FLAGS, ULONG)
{
    return Guarded("MAPILogoff", [&] { return Client().Logoff(session); });
}

ULONG WINAPI MAPIAddress(LHANDLE session, ULONG_PTR uiParam, LPSTR caption, ULONG editFields, LPSTR labels,
    ULONG nRecips, lpMapiRecipDesc recips, FLAGS, ULONG, LPULONG nNewRecips, lpMapiRecipDesc* newRecips)
{
    if (!nNewRecips || !newRecips)
        return MAPI_E_FAILURE;
    if (editFields > 4)
        return MAPI_E_INVALID_EDITFIELDS;
    *nNewRecips = 0;
    *newRecips = nullptr;
    vxmail::AddressBookRequest request;
    ULONG checked = Guarded("MAPIAddress", [&]() -> ULONG {
        if (!Client().KnownSession(session))
            return MAPI_E_INVALID_SESSION;
        request.caption = Text(caption);
        request.editFields = editFields;
        request.label = Text(labels);
        for (ULONG i = 0; recips && i < nRecips; ++i) {
            Recipient r;
            r.recipientClass = recips[i].ulRecipClass;
            r.name = Text(recips[i].lpszName);
            r.address = recips[i].lpszAddress ? recips[i].lpszAddress : r.name;
            request.initial.push_back(r);
        }
        return Client().Mailboxes(request.mailboxes);
    });
    if (checked != SUCCESS_SUCCESS)
        return checked;
    // The dialog runs outside the lock: its message loop may let the caller in again.
    std::vector<Recipient> chosen;
    bool accepted = false;
    try {
        accepted = vxmail::RunAddressBook(g_module, reinterpret_cast<HWND>(uiParam), request, chosen);
    } catch (...) {
        return MAPI_E_FAILURE;
    }
    if (!accepted)
        return MAPI_USER_ABORT;
    if (chosen.empty())
        return SUCCESS_SUCCESS;
    lpMapiRecipDesc array = vxmail::AllocateRecipients(chosen);
    if (!array)
        return MAPI_E_INSUFFICIENT_MEMORY;
    *nNewRecips = static_cast<ULONG>(chosen.size());
    *newRecips = array;
    return SUCCESS_SUCCESS;
}

ULONG WINAPI MAPIResolveName(LHANDLE session, ULONG_PTR, LPSTR name, FLAGS, ULONG, lpMapiRecipDesc* recip)
{
    if (!recip || !name || !*name)
        return MAPI_E_FAILURE;
    *recip = nullptr;
    return Guarded("MAPIResolveName", [&]() -> ULONG {
        if (!Client().KnownSession(session))
            return MAPI_E_INVALID_SESSION;
        Recipient found;
        ULONG result = Client().Resolve(name, found);
        if (result != SUCCESS_SUCCESS)
            return result;
        lpMapiRecipDesc array = vxmail::AllocateRecipients({found});
        if (!array)
            return MAPI_E_INSUFFICIENT_MEMORY;
        *recip = array;
        return SUCCESS_SUCCESS;
    });
}

ULONG WINAPI MAPISendMail(LHANDLE session, ULONG_PTR, lpMapiMessage message, FLAGS, ULONG)
{
    if (!message)
        return MAPI_E_FAILURE;
    if (message->nRecipCount && !message->lpRecips)
        return MAPI_E_INVALID_RECIPS;
    if (message->nFileCount && !message->lpFiles)
        return MAPI_E_ATTACHMENT_NOT_FOUND;
    return Guarded("MAPISendMail", [&]() -> ULONG {
        if (!Client().KnownSession(session))
            return MAPI_E_INVALID_SESSION;
        return Client().Send(session, *message);
    });
}

// Reading and storing mail and sending documents by dialog are not offered.
ULONG WINAPI MAPISendDocuments(ULONG_PTR, LPSTR, LPSTR, LPSTR, ULONG)
{
    return MAPI_E_NOT_SUPPORTED;
}
ULONG WINAPI MAPIDetails(LHANDLE, ULONG_PTR, lpMapiRecipDesc, FLAGS, ULONG)
{
    return MAPI_E_NOT_SUPPORTED;
}
ULONG WINAPI MAPIFindNext(LHANDLE, ULONG_PTR, LPSTR, LPSTR, FLAGS, ULONG, LPSTR)
{
    return MAPI_E_NOT_SUPPORTED;
}
ULONG WINAPI MAPIReadMail(LHANDLE, ULONG_PTR, LPSTR, FLAGS, ULONG, lpMapiMessage*)
{
    return MAPI_E_NOT_SUPPORTED;
}
ULONG WINAPI MAPISaveMail(LHANDLE, ULONG_PTR, lpMapiMessage, FLAGS, ULONG, LPSTR)
{
    return MAPI_E_NOT_SUPPORTED;
}
ULONG WINAPI MAPIDeleteMail(LHANDLE, ULONG_PTR, LPSTR, FLAGS, ULONG)
{
    return MAPI_E_NOT_SUPPORTED;
}

void WINAPI VxMailSetModalDriver(vxmail::ModalDriver driver)
{
    vxmail::SetModalDriver(driver);
}

}  // extern "C"
