// The presence check of the mail client library.
#include "mail_system.h"

#include <windows.h>

namespace {

constexpr char kMailLibrary[] = "MAPI32.DLL";
constexpr WORD kMailOrdinal = 139;

}  // namespace

bool SystemMailSystem::MailSystemPresent()
{
    HMODULE library = LoadLibraryA(kMailLibrary);
    if (!library)
        return false;
    bool present = GetProcAddress(library, MAKEINTRESOURCEA(kMailOrdinal)) != nullptr;
    FreeLibrary(library);
    return present;
}

MailSystem& SystemMail()
{
    static SystemMailSystem mail;
    return mail;
}
