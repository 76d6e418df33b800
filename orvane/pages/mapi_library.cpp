// MapiLibrary: the mail client library loaded by name, and the four calls the e-mail page makes.
#include "mapi_library.h"

#include "email_ids.h"
#include "module.h"

namespace {

template <typename F> void Bind(HMODULE library, F& entry, const char* name, std::string& missing)
{
    entry = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(library, name)));
    if (!entry && missing.empty())
        missing = name;
}

}  // namespace

MapiLibrary::MapiLibrary(const char* libraryName)
{
    m_library = LoadLibraryA(libraryName);
    if (!m_library) {
        m_why = LoadResString(IDS_MAPI_NOT_LOADED);
        return;
    }
    std::string missing;
    Bind(m_library, m_logon, "MAPILogon", missing);
    Bind(m_library, m_logoff, "MAPILogoff", missing);
    Bind(m_library, m_sendMail, "MAPISendMail", missing);
    Bind(m_library, m_sendDocuments, "MAPISendDocuments", missing);
    Bind(m_library, m_findNext, "MAPIFindNext", missing);
    Bind(m_library, m_readMail, "MAPIReadMail", missing);
    Bind(m_library, m_saveMail, "MAPISaveMail", missing);
    Bind(m_library, m_deleteMail, "MAPIDeleteMail", missing);
    Bind(m_library, m_freeBuffer, "MAPIFreeBuffer", missing);
    Bind(m_library, m_address, "MAPIAddress", missing);
    Bind(m_library, m_details, "MAPIDetails", missing);
    Bind(m_library, m_resolveName, "MAPIResolveName", missing);
    // Only the four calls the page makes must be there; the others are looked up as the
    // library's full surface but never called.
    if (!m_logon || !m_logoff || !m_address || !m_freeBuffer)
        m_why = FormatResString(IDS_MAPI_INCOMPLETE, missing.c_str());
}

MapiLibrary::~MapiLibrary()
{
    if (m_library)
        FreeLibrary(m_library);
}

bool MapiLibrary::Available() const
{
    return m_library && m_logon && m_logoff && m_address && m_freeBuffer;
}

ULONG MapiLibrary::Logon(HWND owner, const char* profile, const char* password, FLAGS flags, LHANDLE& session)
{
    if (!m_logon)
        return MAPI_E_FAILURE;
    return m_logon(reinterpret_cast<ULONG_PTR>(owner), const_cast<LPSTR>(profile), const_cast<LPSTR>(password), flags,
        0, &session);
}

ULONG MapiLibrary::Logoff(LHANDLE session, HWND owner)
{
    if (!m_logoff)
        return MAPI_E_FAILURE;
    return m_logoff(session, reinterpret_cast<ULONG_PTR>(owner), 0, 0);
}

ULONG MapiLibrary::Address(LHANDLE session, HWND owner, const char* caption, ULONG editFields, const char* labels,
    FLAGS flags, ULONG& count, lpMapiRecipDesc& recipients)
{
    if (!m_address)
        return MAPI_E_FAILURE;
    return m_address(session, reinterpret_cast<ULONG_PTR>(owner), const_cast<LPSTR>(caption), editFields,
        const_cast<LPSTR>(labels), 0, nullptr, flags, 0, &count, &recipients);
}

ULONG MapiLibrary::FreeBuffer(void* buffer)
{
    if (!m_freeBuffer)
        return MAPI_E_FAILURE;
    return m_freeBuffer(buffer);
}
