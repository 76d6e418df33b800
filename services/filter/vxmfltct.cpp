// VXMFLTCT.EXE: installs, removes and queries the filter driver from the command line.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "driver_installer.h"
#include "filter_device.h"

namespace {

using vxmflt::FilterDriverInstaller;

constexpr int kExitAbsent = 2;
constexpr int kExitUsage = 3;

std::string Narrow(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int length =
        WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(
            CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), narrow.data(), length, nullptr, nullptr);
    return narrow;
}

const char* StateText(FilterDriverInstaller::State state)
{
    switch (state) {
    case FilterDriverInstaller::State::NotInstalled: return "not installed";
    case FilterDriverInstaller::State::Stopped: return "stopped";
    case FilterDriverInstaller::State::Running: return "running";
    case FilterDriverInstaller::State::Other: break;
    }
    return "changing state";
}

const char* YesNo(std::uint32_t value)
{
    return value ? "yes" : "no";
}

int Query()
{
    std::printf("%s: %s\n", vxmflt::kDriverServiceName, StateText(FilterDriverInstaller::Query()));
    // The scanner may hold both devices without sharing; the driver still lets us in.
    const vxmflt::FilterDevice device = vxmflt::FilterDevice::Open(vxmflt::FilterDevice::Kind::Scan);
    const std::optional<vxmflt::FilterState> state = device.QueryState();
    if (!state) {
        std::printf("The filter devices are absent.\n");
        return kExitAbsent;
    }
    const std::optional<std::wstring> folder = device.QueryExcluded();
    std::printf("Scanner active: %s\n", YesNo(state->scannerActive));
    std::printf("Held classes: 0x%08lX\n", static_cast<unsigned long>(state->heldClasses));
    std::printf("Exclude active: %s\n", YesNo(state->excludeActive));
    std::printf("Excluded folder: %s\n", folder ? Narrow(*folder).c_str() : "");
    std::printf("Requests answered: %lu\n", static_cast<unsigned long>(state->requestCount));
    return 0;
}

int Report(unsigned long result, const std::string& message)
{
    std::printf("%s\n", message.c_str());
    return result ? 1 : 0;
}

int Usage()
{
    std::printf("Usage: VXMFLTCT /install [driver path] | /start [driver path] | /stop | /uninstall | /query\n");
    return kExitUsage;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2 || argc > 3)
        return Usage();
    const char* command = argv[1];
    const std::string driverPath = argc == 3 ? argv[2] : FilterDriverInstaller::DefaultDriverPath();
    std::string message;
    // /install also loads the driver, so that one command leaves the devices ready.
    if (_stricmp(command, "/install") == 0 || _stricmp(command, "/start") == 0)
        return Report(FilterDriverInstaller::Start(driverPath, message), message);
    if (argc == 3)
        return Usage();
    if (_stricmp(command, "/stop") == 0)
        return Report(FilterDriverInstaller::Stop(message), message);
    if (_stricmp(command, "/uninstall") == 0)
        return Report(FilterDriverInstaller::Uninstall(message), message);
    if (_stricmp(command, "/query") == 0)
        return Query();
    return Usage();
}
