// Registering the mail client for the tests through the platform's MAPI32.DLL.
#include "mail_client_registration.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "post_office_location.h"

namespace {

const char kClientsKey[] = "Software\\Clients\\Mail";
const char kClientName[] = "Vexomar Mail";

std::optional<std::string> ReadString(HKEY root, const char* key, const char* value)
{
    char buffer[MAX_PATH] = {};
    DWORD size = sizeof buffer - 1;
    if (RegGetValueA(root, key, value, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer);
}

void WriteString(HKEY root, const std::string& key, const char* value, const std::string& text)
{
    HKEY opened;
    ASSERT_EQ(RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr), ERROR_SUCCESS);
    RegSetValueExA(
        opened, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), static_cast<DWORD>(text.size() + 1));
    RegCloseKey(opened);
}

}  // namespace

void MailClientRegistration::Register()
{
    m_previousClient = ReadString(HKEY_LOCAL_MACHINE, kClientsKey, nullptr);
    m_previousFolder = postoffice::PostOfficeFolder();
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string dll = self;
    dll = dll.substr(0, dll.find_last_of('\\') + 1) + "VXMAIL32.DLL";
    WriteString(HKEY_LOCAL_MACHINE, kClientsKey, nullptr, kClientName);
    WriteString(HKEY_LOCAL_MACHINE, std::string(kClientsKey) + "\\" + kClientName, "DLLPath", dll);
}

void MailClientRegistration::Restore() const
{
    if (m_previousClient)
        WriteString(HKEY_LOCAL_MACHINE, kClientsKey, nullptr, *m_previousClient);
    if (m_previousFolder)
        postoffice::SetPostOfficeFolder(*m_previousFolder);
}
