// KELVEX32.DLL as the service uses it: bound by ordinal from the service's own folder, with
// VIRSIG.DAT from the same folder.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

class ScanEngine {
public:
    enum class Verdict { Clean, Infected, NotScanned };

    ScanEngine() = default;
    ~ScanEngine();
    ScanEngine(const ScanEngine&) = delete;
    ScanEngine& operator=(const ScanEngine&) = delete;

    // Loads the engine and its signatures; false (with a reason) when either fails.
    bool Open(const std::string& folder, std::string& reason);
    bool Ready() const { return m_instance != 0; }
    // Engine and signature versions in the engine's own encoding (0 before a load).
    void Versions(std::uint32_t& engine, std::uint32_t& signatures) const;
    Verdict Scan(const std::string& path, std::string& virusName);

private:
    using OpenFn = unsigned(__cdecl*)(std::uint32_t*);
    using CloseFn = unsigned(__cdecl*)(std::uint32_t);
    using LoadFn = unsigned(__cdecl*)(std::uint32_t, const char*);
    using VersionsFn = unsigned(__cdecl*)(
        std::uint32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*, std::uint32_t*);
    using ScanFn = unsigned(__cdecl*)(std::uint32_t, const char*);
    using NameFn = const char*(__cdecl*)(std::uint32_t);

    HMODULE m_module = nullptr;
    std::uint32_t m_instance = 0;
    CloseFn m_close = nullptr;
    VersionsFn m_versions = nullptr;
    ScanFn m_scan = nullptr;
    NameFn m_name = nullptr;
};
