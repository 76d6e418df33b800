// FilterDriverInstaller: the VxmFilter kernel-driver service that loads VXMFLT.SYS.
#pragma once

#include <string>

namespace vxmflt {

inline constexpr const char* kDriverServiceName = "VxmFilter";
inline constexpr const char* kDriverDisplayName = "Vexomar Filter Devices";

// Every call returns 0 or a Windows error number and puts one sentence into `message`.
class FilterDriverInstaller {
public:
    // Registers `driverPath` as the demand-start kernel driver service, or points an
    // existing entry at it.
    static unsigned long Install(const std::string& driverPath, std::string& message);
    // Installs when needed and loads the driver; a driver that runs already is left alone.
    static unsigned long Start(const std::string& driverPath, std::string& message);
    // Unloads the driver when it runs.
    static unsigned long Stop(std::string& message);
    // Unloads the driver and removes its service; a missing service is not an error.
    static unsigned long Uninstall(std::string& message);

    enum class State { NotInstalled, Stopped, Running, Other };
    static State Query(unsigned long* error = nullptr);

    // VXMFLT.SYS beside the program that calls.
    static std::string DefaultDriverPath();
};

}  // namespace vxmflt
