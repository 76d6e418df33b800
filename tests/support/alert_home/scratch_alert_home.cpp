// Creation and removal of the scratch Alert home, with the registry values put back afterwards.
#include "scratch_alert_home.h"

#include <fstream>
#include <iterator>

namespace {

constexpr const char* kPathKey = "SOFTWARE\\Morwick\\ALERT\\CurrentVersion\\Path";
constexpr const char* kSiteKey = "SOFTWARE\\Morwick\\Site";
constexpr const char* kUserKey = "SOFTWARE\\Morwick\\ALERT\\CurrentVersion\\User";

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
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_WRITE, nullptr, &handle, nullptr) != ERROR_SUCCESS)
        return;
    if (text)
        RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text->c_str()),
            static_cast<DWORD>(text->size() + 1));
    else
        RegDeleteValueA(handle, name);
    RegCloseKey(handle);
}

}  // namespace

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

ScratchAlertHome::ScratchAlertHome(const std::string& name)
{
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    m_path = std::string(temp) + "alerthome-" + name;
    RemoveTree(m_path);
    CreateDirectoryA(m_path.c_str(), nullptr);
    m_savedHome = ReadValue(kPathKey, "Home");
    m_savedSite = ReadValue(kSiteKey, "File");
    m_savedCompany = ReadValue(kUserKey, "Company");
    m_savedLocation = ReadValue(kUserKey, "Location");
    WriteValue(kPathKey, "Home", m_path);
    WriteValue(kSiteKey, "File", std::nullopt);
    WriteValue(kUserKey, "Company", std::nullopt);
    WriteValue(kUserKey, "Location", std::nullopt);
}

ScratchAlertHome::~ScratchAlertHome()
{
    WriteValue(kPathKey, "Home", m_savedHome);
    WriteValue(kSiteKey, "File", m_savedSite);
    WriteValue(kUserKey, "Company", m_savedCompany);
    WriteValue(kUserKey, "Location", m_savedLocation);
    RemoveTree(m_path);
}

void ScratchAlertHome::UseSite(const std::string& text)
{
    const std::string file = File("SITE.TXT");
    WriteBytes(file, std::vector<BYTE>(text.begin(), text.end()));
    WriteValue(kSiteKey, "File", file);
}

void ScratchAlertHome::ForgetHome()
{
    WriteValue(kPathKey, "Home", std::nullopt);
}

void ScratchAlertHome::WriteBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<BYTE> ScratchAlertHome::ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ScratchAlertHome::ReadText(const std::string& path)
{
    const std::vector<BYTE> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}
