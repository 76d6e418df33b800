// KelvexLibrary: the engine DLL bound by ordinal; every call uses the C calling convention.
#include "engine_library.h"

namespace {

using OpenCall = std::uint32_t(__cdecl*)(std::uint32_t*);
using OptionsCall = std::uint32_t(__cdecl*)(std::uint32_t, const std::uint16_t*, int);
using InstanceCall = std::uint32_t(__cdecl*)(std::uint32_t);
using VersionsCall = std::uint32_t(__cdecl*)(
    std::uint32_t, std::uint32_t*, std::uint32_t*, std::uint32_t*, std::uint32_t*);

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
