// KelvexLibrary: the engine DLL bound by ordinal; every call uses the C calling convention.
#include "engine_library.h"

#include <cstring>

namespace {

using OpenCall = std::uint32_t(__cdecl*)(std::uint32_t*);
using OptionsCall = std::uint32_t(__cdecl*)(std::uint32_t, const std::uint16_t*, int);
using InstanceCall = std::uint32_t(__cdecl*)(std::uint32_t);
using VersionsCall = std::uint32_t(__cdecl*)(
    std::uint32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*, std::uint32_t*);
using ScanFileCall = std::uint32_t(__cdecl*)(std::uint32_t, const char*, HANDLE);
using DriveCall = std::uint32_t(__cdecl*)(std::uint32_t, std::uint32_t);
using NeutralizeCall = std::uint32_t(__cdecl*)(std::uint32_t, std::uint32_t, int, int, int, int);
using NameCall = const char*(__cdecl*)(std::uint32_t);
// What an unbound engine answers for a scan: not scanned, never clean.
constexpr std::uint16_t kUnboundStatus = 0x4020;

template <class Call> Call As(FARPROC entry)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(entry));
}

}  // namespace

bool KelvexLibrary::Bind()
{
    Free();
    m_module = LoadLibraryA(kFileName);
    if (!m_module)
        return false;
    for (int ordinal : kOrdinals) {
        m_entries[ordinal] = GetProcAddress(m_module, MAKEINTRESOURCEA(ordinal));
        if (!m_entries[ordinal]) {
            Free();
            return false;
        }
    }
    return true;
}

void KelvexLibrary::Free()
{
    for (auto& entry : m_entries)
        entry = nullptr;
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
}

FARPROC KelvexLibrary::Entry(int ordinal) const
{
    return ordinal >= 0 && ordinal < 58 ? m_entries[ordinal] : nullptr;
}

// An unbound library answers every call with a failure rather than jumping to nowhere.
std::uint32_t KelvexLibrary::Open(std::uint32_t* instance)
{
    return m_entries[2] ? As<OpenCall>(m_entries[2])(instance) : 1;
}

std::uint32_t KelvexLibrary::SetOptions(std::uint32_t instance, const std::uint16_t* block, int count)
{
    return m_entries[5] ? As<OptionsCall>(m_entries[5])(instance, block, count) : 1;
}

std::uint32_t KelvexLibrary::LoadSignatures(std::uint32_t instance)
{
    return m_entries[8] ? As<InstanceCall>(m_entries[8])(instance) : 1;
}

std::uint32_t KelvexLibrary::Versions(std::uint32_t instance, std::uint32_t* engine, std::uint32_t* signatures,
    std::uint32_t* engineDate, std::uint32_t* signatureDate)
{
    return m_entries[10] ? As<VersionsCall>(m_entries[10])(instance, engine, signatures, engineDate, signatureDate) : 1;
}

void KelvexLibrary::ReleaseSignatures(std::uint32_t instance)
{
    if (m_entries[26])
        As<InstanceCall>(m_entries[26])(instance);
}

void KelvexLibrary::Close(std::uint32_t instance)
{
    if (m_entries[27])
        As<InstanceCall>(m_entries[27])(instance);
}

std::uint16_t KelvexLibrary::ScanFile(std::uint32_t instance, const char* path, HANDLE file)
{
    return m_entries[12] ? static_cast<std::uint16_t>(As<ScanFileCall>(m_entries[12])(instance, path, file))
                         : kUnboundStatus;
}

std::uint16_t KelvexLibrary::ScanBoot(std::uint32_t instance, char drive)
{
    return m_entries[18]
        ? static_cast<std::uint16_t>(As<DriveCall>(m_entries[18])(instance, static_cast<unsigned char>(drive)))
        : kUnboundStatus;
}

std::uint32_t KelvexLibrary::NeutralizeBoot(std::uint32_t instance, char drive)
{
    return m_entries[21] ? As<NeutralizeCall>(m_entries[21])(instance, static_cast<unsigned char>(drive), 0, 0, 1, 1)
                         : 1;
}

std::uint16_t KelvexLibrary::LastVirusId(std::uint32_t instance)
{
    return m_entries[22] ? static_cast<std::uint16_t>(As<InstanceCall>(m_entries[22])(instance)) : 0;
}

std::string KelvexLibrary::LastVirusName(std::uint32_t instance)
{
    const char* name = m_entries[23] ? As<NameCall>(m_entries[23])(instance) : nullptr;
    // The name is kept within the job's 260-character field.
    return name ? std::string(name, strnlen(name, 259)) : std::string();
}

void KelvexLibrary::ForgetLastVirus(std::uint32_t instance)
{
    if (m_entries[36])
        As<InstanceCall>(m_entries[36])(instance);
}
