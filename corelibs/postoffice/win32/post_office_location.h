// Where the site's post office folder is named: HKLM\SOFTWARE\Morwick\PostOffice, value
// "Folder" (a string). Shared by PLV.DLL, VXMAIL32.DLL and the mail tool.
#pragma once

#include <optional>
#include <string>

namespace postoffice {

inline constexpr char kPostOfficeKey[] = "SOFTWARE\\Morwick\\PostOffice";
inline constexpr char kPostOfficeFolderValue[] = "Folder";

// The folder when the value is set and names an existing folder; nothing otherwise.
std::optional<std::string> PostOfficeFolder();
bool SetPostOfficeFolder(const std::string& folder);

// Text between the post office's UTF-8 and the caller's ANSI code page; a character the
// code page lacks becomes '?'.
std::string Utf8ToAnsi(const std::string& utf8);
std::string AnsiToUtf8(const std::string& ansi);

}  // namespace postoffice
