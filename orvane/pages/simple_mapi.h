// SimpleMapi: the four Simple MAPI calls the e-mail page makes, behind one replaceable interface.
#pragma once

#include <windows.h>
#include <mapi.h>

#include <string>

// The production binding loads the mail client library; tests hand the page a recording fake.
// The calls take and answer what the published Simple MAPI calls take and answer.
class SimpleMapi {
public:
    virtual ~SimpleMapi() = default;

    // Whether the library and the calls the page makes are there; when not, Why() says so in a
    // sentence for the user.
    virtual bool Available() const = 0;
    virtual std::string Why() const = 0;

    virtual ULONG Logon(HWND owner, const char* profile, const char* password, FLAGS flags, LHANDLE& session) = 0;
    virtual ULONG Logoff(LHANDLE session, HWND owner) = 0;
    virtual ULONG Address(LHANDLE session, HWND owner, const char* caption, ULONG editFields, const char* labels,
        FLAGS flags, ULONG& count, lpMapiRecipDesc& recipients) = 0;
    virtual ULONG FreeBuffer(void* buffer) = 0;
};
