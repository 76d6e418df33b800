// AlertHomeSandbox: the registry values it swaps and the folder it creates and removes.
#include "alert_home_sandbox.h"

#include <windows.h>

namespace {

constexpr const char* kPathKey = "SOFTWARE\\Morwick\\ALERT\\CurrentVersion\\Path";
constexpr const char* kSiteKey = "SOFTWARE\\Morwick\\Site";

std::optional<std::string> ReadValue(const char* key, const char* name)
{
    char buffer[1024] = {};
    DWORD size = sizeof buffer - 1;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS)
        return std::nullopt;
    return std::string(buffer);
}

void WriteValue(const char* key, const char* name, const std::optional<std::string>& text)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) !=
        ERROR_SUCCESS)
        return;
    if (text)
        RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
                       static_cast<DWORD>(text->size() + 1));
    else
        RegDeleteValueA(handle, name);
    RegCloseKey(handle);
}

void RemoveTree(const std::string& path)
{
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string name = found.cFileName;
            if (name == "." || name == "..")
                continue;
            const std::string child = path + "\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(child);
            else
                DeleteFileA(child.c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

AlertHomeSandbox::AlertHomeSandbox(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    path_ = std::string(temp) + "orvane-home-" + name;
    RemoveTree(path_);
    CreateDirectoryA(path_.c_str(), nullptr);
    savedHome_ = ReadValue(kPathKey, "Home");
    savedSite_ = ReadValue(kSiteKey, "File");
    WriteValue(kPathKey, "Home", path_);
    WriteValue(kSiteKey, "File", std::nullopt);
}

AlertHomeSandbox::~AlertHomeSandbox()
{
    WriteValue(kPathKey, "Home", savedHome_);
    WriteValue(kSiteKey, "File", savedSite_);
    RemoveTree(path_);
}
