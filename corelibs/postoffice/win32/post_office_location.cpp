// The registry value naming the post office folder, and the code-page conversions.
#include "post_office_location.h"

#include <windows.h>

#include <vector>

namespace postoffice {
namespace {

std::string Convert(const std::string& text, UINT from, UINT to)
{
    if (text.empty())
        return {};
    int wide = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wide <= 0)
        return text;
    std::vector<wchar_t> buffer(static_cast<std::size_t>(wide));
    MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), buffer.data(), wide);
    int bytes = WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return text;
    std::string out(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(to, 0, buffer.data(), wide, out.data(), bytes, nullptr, nullptr);
    return out;
}

}  // namespace

std::optional<std::string> PostOfficeFolder()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kPostOfficeKey, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char buffer[MAX_PATH + 1] = {};
    DWORD size = MAX_PATH;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, kPostOfficeFolderValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ) || buffer[0] == '\0')
        return std::nullopt;
    buffer[MAX_PATH] = '\0';
    DWORD attributes = GetFileAttributesA(buffer);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return std::nullopt;
    return std::string(buffer);
}

bool SetPostOfficeFolder(const std::string& folder)
{
    HKEY key;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, kPostOfficeKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    LONG result = RegSetValueExA(key, kPostOfficeFolderValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(folder.c_str()),
        static_cast<DWORD>(folder.size() + 1));
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

std::string Utf8ToAnsi(const std::string& utf8)
{
    return Convert(utf8, CP_UTF8, CP_ACP);
}
std::string AnsiToUtf8(const std::string& ansi)
{
    return Convert(ansi, CP_ACP, CP_UTF8);
}

}  // namespace postoffice
