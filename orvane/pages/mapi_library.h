// MapiLibrary: Simple MAPI bound at run time from "MAPI32.DLL" by name, with its twelve entry points.
#pragma once

#include "simple_mapi.h"

class MapiLibrary final : public SimpleMapi {
public:
    // Loads the library and looks up every entry point by name; a missing library or call
    // leaves the object unavailable, never half bound.
    explicit MapiLibrary(const char* libraryName = "MAPI32.DLL");
    ~MapiLibrary() override;
    MapiLibrary(const MapiLibrary&) = delete;
    MapiLibrary& operator=(const MapiLibrary&) = delete;

    bool Available() const override;
    std::string Why() const override { return m_why; }

    ULONG Logon(HWND owner, const char* profile, const char* password, FLAGS flags, LHANDLE& session) override;
    ULONG Logoff(LHANDLE session, HWND owner) override;
    ULONG Address(LHANDLE session, HWND owner, const char* caption, ULONG editFields, const char* labels, FLAGS flags,
        ULONG& count, lpMapiRecipDesc& recipients) override;
    ULONG FreeBuffer(void* buffer) override;

private:
    HMODULE m_library = nullptr;
    std::string m_why;
    LPMAPILOGON m_logon = nullptr;
    LPMAPILOGOFF m_logoff = nullptr;
    LPMAPISENDMAIL m_sendMail = nullptr;
    LPMAPISENDDOCUMENTS m_sendDocuments = nullptr;
    LPMAPIFINDNEXT m_findNext = nullptr;
    LPMAPIREADMAIL m_readMail = nullptr;
    LPMAPISAVEMAIL m_saveMail = nullptr;
    LPMAPIDELETEMAIL m_deleteMail = nullptr;
    LPMAPIFREEBUFFER m_freeBuffer = nullptr;
    LPMAPIADDRESS m_address = nullptr;
    LPMAPIDETAILS m_details = nullptr;
    LPMAPIRESOLVENAME m_resolveName = nullptr;
};
