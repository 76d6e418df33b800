// ArchiveLibrary: the archive decompression calls of start-up and shut-down, and their loader.
#pragma once

#include <windows.h>

#include <string>

class ArchiveLibrary {
public:
    virtual ~ArchiveLibrary() = default;
    // The library handle, 0 when it could not start.
    virtual DWORD Init(DWORD flags) = 0;
    virtual bool SetTemporaryDirectory(DWORD library, const std::string& directory) = 0;
    virtual void DeInit(DWORD library) = 0;

    // The scan's calls (see the archive library's page for their answers).
    virtual bool SetExtensionList(DWORD library, const char* entries, int count) = 0;
    virtual int ArchiveType(DWORD library, const std::string& path) = 0;
    // Expands a file compressed as a single file; the copy's path, "" when it was not one.
    virtual std::string ExpandCompressedFile(DWORD library, const std::string& path) = 0;
    virtual bool OpenArchive(DWORD library, const std::string& path, void* walk) = 0;
    virtual const char* FirstMember(void* walk) = 0;
    virtual const char* NextMember(void* walk) = 0;
    virtual const char* ExtractMember(void* walk) = 0;
    virtual int LastExtractStatus(void* walk) = 0;
    virtual void RemoveMember(void* walk) = 0;
    virtual void CloseArchive(void* walk) = 0;
};

// The size of the walk state the scanner allocates for each archive.
constexpr size_t kArchiveWalkBytes = 940;
// Archive types the scanner opens.
inline bool IsScannedArchiveType(int type)
{
    return type == 1 || type == 2 || type == 4;
}

// TORPIN.DLL by name: a missing library or call is a library that did not start.
class TorpinLibrary : public ArchiveLibrary {
public:
    ~TorpinLibrary() override;
    DWORD Init(DWORD flags) override;
    bool SetTemporaryDirectory(DWORD library, const std::string& directory) override;
    void DeInit(DWORD library) override;
    bool SetExtensionList(DWORD library, const char* entries, int count) override;
    int ArchiveType(DWORD library, const std::string& path) override;
    std::string ExpandCompressedFile(DWORD library, const std::string& path) override;
    bool OpenArchive(DWORD library, const std::string& path, void* walk) override;
    const char* FirstMember(void* walk) override;
    const char* NextMember(void* walk) override;
    const char* ExtractMember(void* walk) override;
    int LastExtractStatus(void* walk) override;
    void RemoveMember(void* walk) override;
    void CloseArchive(void* walk) override;

private:
    FARPROC Entry(const char* name);
    HMODULE m_module = nullptr;
    // The walk calls are looked up once, not for every member.
    FARPROC m_first = nullptr, m_next = nullptr, m_extract = nullptr, m_remove = nullptr, m_status = nullptr;
};
