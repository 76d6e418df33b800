// Binding the scanning engine by its ordinals.
#include "scan_engine.h"

namespace {

constexpr unsigned kNotScannedBit = 0x4000;

template <typename Fn> Fn Bind(HMODULE module, int ordinal)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

ScanEngine::~ScanEngine()
{
    if (m_instance && m_close)
        m_close(m_instance);
    if (m_module)
        FreeLibrary(m_module);
}

bool ScanEngine::Open(const std::string& folder, std::string& reason)
{
    m_module = LoadLibraryA((folder + "\\KELVEX32.DLL").c_str());
    if (!m_module) {
        reason = "The scanning engine KELVEX32.DLL could not be loaded (error " + std::to_string(GetLastError()) + ").";
        return false;
    }
    const auto open = Bind<OpenFn>(m_module, 2);
    const auto load = Bind<LoadFn>(m_module, 9);
    m_close = Bind<CloseFn>(m_module, 3);
    m_versions = Bind<VersionsFn>(m_module, 10);
    m_scan = Bind<ScanFn>(m_module, 13);
    m_name = Bind<NameFn>(m_module, 23);
    if (!open || !load || !m_close || !m_versions || !m_scan || !m_name) {
        reason = "KELVEX32.DLL lacks an ordinal the service needs.";
        return false;
    }
    std::uint32_t instance = 0;
    if (open(&instance) != 0) {
        reason = "The scanning engine could not open an instance.";
        return false;
    }
    const unsigned loaded = load(instance, (folder + "\\VIRSIG.DAT").c_str()) & 0xFFFF;
    if (loaded != 0) {
        m_close(instance);
        reason = "The signature file VIRSIG.DAT could not be loaded (status " + std::to_string(loaded) + ").";
        return false;
    }
    m_instance = instance;
    return true;
}

void ScanEngine::Versions(std::uint32_t& engine, std::uint32_t& signatures) const
{
    engine = signatures = 0;
    if (m_instance)
        m_versions(m_instance, &engine, &signatures, nullptr, nullptr);
}

ScanEngine::Verdict ScanEngine::Scan(const std::string& path, std::string& virusName)
{
    if (!m_instance)
        return Verdict::NotScanned;
    const unsigned status = m_scan(m_instance, path.c_str()) & 0xFFFF;
    if (status & kNotScannedBit)
        return Verdict::NotScanned;
    if (status == 0)
        return Verdict::Clean;
    const char* name = m_name(m_instance);
    virusName = name ? name : "";
    return Verdict::Infected;
}
