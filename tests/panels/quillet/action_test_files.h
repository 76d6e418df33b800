// What the infection action tests look at on disk: a file's bytes, whether a name is taken,
// its attributes, and the names a folder holds.
#pragma once

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace action_test {

inline bool Exists(const std::string& path)
{
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// The file's bytes; "<missing>" when it cannot be read.
inline std::string Bytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "<missing>";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool IsReadOnly(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// The names in `folder`, sorted, without "." and "..".
inline std::vector<std::string> Names(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(find, &data));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// Deletes every file in `folder` (read-only ones too); the folder stays.
inline void EmptyFolder(const std::string& folder)
{
    for (const std::string& name : Names(folder)) {
        const std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    }
}

// Holds a file open as another program would: by default without sharing (locked); with
// FILE_SHARE_READ others may read it but not change, move or delete it.
class LockedFile {
public:
    explicit LockedFile(const std::string& path, DWORD share = 0)
        : m_handle(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING, 0, nullptr))
    {
    }
    ~LockedFile() { Release(); }
    bool Held() const { return m_handle != INVALID_HANDLE_VALUE; }
    void Release()
    {
        if (m_handle != INVALID_HANDLE_VALUE)
            CloseHandle(m_handle);
        m_handle = INVALID_HANDLE_VALUE;
    }

private:
    HANDLE m_handle;
};

}  // namespace action_test
