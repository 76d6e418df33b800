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
};

// TORPIN.DLL by name: a missing library or call is a library that did not start.
class TorpinLibrary : public ArchiveLibrary {
public:
    ~TorpinLibrary() override;
    DWORD Init(DWORD flags) override;
    bool SetTemporaryDirectory(DWORD library, const std::string& directory) override;
    void DeInit(DWORD library) override;

private:
    FARPROC Entry(const char* name);
    HMODULE m_module = nullptr;
};
