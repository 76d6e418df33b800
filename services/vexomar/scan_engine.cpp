// Binding the scanning engine by its ordinals.
#include "scan_engine.h"

namespace {

constexpr unsigned kNotScannedBit = 0x4000;

template <typename Fn>
Fn Bind(HMODULE module, int ordinal)
{
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(module, MAKEINTRESOURCEA(ordinal))));
}

}  // namespace

ScanEngine::~ScanEngine()
{
    if (instance_ && close_)
        close_(instance_);
    if (module_)
        FreeLibrary(module_);
}

bool ScanEngine::Open(const std::string& folder, std::string& reason)
{
    module_ = LoadLibraryA((folder + "\\KELVEX32.DLL").c_str());
    if (!module_) {
        reason = "The scanning engine KELVEX32.DLL could not be loaded (error " + std::to_string(GetLastError()) + ").";
        return false;
    }
    const auto open = Bind<OpenFn>(module_, 2);
    const auto load = Bind<LoadFn>(module_, 9);
    close_ = Bind<CloseFn>(module_, 3);
    versions_ = Bind<VersionsFn>(module_, 10);
    scan_ = Bind<ScanFn>(module_, 13);
    name_ = Bind<NameFn>(module_, 23);
    if (!open || !load || !close_ || !versions_ || !scan_ || !name_) {
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
        close_(instance);
        reason = "The signature file VIRSIG.DAT could not be loaded (status " + std::to_string(loaded) + ").";
        return false;
    }
    instance_ = instance;
    return true;
}

void ScanEngine::Versions(std::uint32_t& engine, std::uint32_t& signatures) const
{
    engine = signatures = 0;
    if (instance_)
        versions_(instance_, &engine, &signatures, nullptr, nullptr);
}

ScanEngine::Verdict ScanEngine::Scan(const std::string& path, std::string& virusName)
{
    if (!instance_)
        return Verdict::NotScanned;
    const unsigned status = scan_(instance_, path.c_str()) & 0xFFFF;
    if (status & kNotScannedBit)
        return Verdict::NotScanned;
    if (status == 0)
        return Verdict::Clean;
    const char* name = name_(instance_);
    virusName = name ? name : "";
    return Verdict::Infected;
}
