// VXMSVC.EXE: one server's antivirus service when started by the service control manager
// ("/service NAME"), else the commands that install, start and stop the instances:
//   VXMSVC /install|/uninstall|/start|/stop|/pause|/continue|/scan [NAME|DOMAIN|*]
// Without a name the command is for this computer; "*" is every server of the site.
#include <windows.h>

#include <cstdio>
#include <string>

#include "atomic_file.h"
#include "instance_control.h"
#include "server_config.h"
#include "server_store.h"
#include "service_controls.h"
#include "vexomar_service.h"

namespace {

std::string ProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

// Registers the instance, started as its stored service record says: a server set to start
// automatically keeps that when its instance is registered again.
DWORD Install(const InstanceControl& control, const ServerPlace& place)
{
    if (const DWORD installed = control.Install(ProgramPath()))
        return installed;
    ServerConfig config;
    // No settings file yet gives the defaults (demand start); a damaged one changes nothing.
    if (ServerStore(place).ReadConfig(config) != 0)
        return 0;
    return control.SetAutomaticStart(DecodeServiceConfig(config.service).automaticStartup == 1);
}

DWORD Apply(const std::string& command, const ServerPlace& place)
{
    const InstanceControl control(place);
    if (command == "/install") {
        if (!EnsureFolder(place.StoreFolder()))
            return ERROR_PATH_NOT_FOUND;
        return Install(control, place);
    }
    if (command == "/uninstall")
        return control.Uninstall();
    if (command == "/start") {
        if (!EnsureFolder(place.StoreFolder()))
            return ERROR_PATH_NOT_FOUND;
        if (const DWORD installed = Install(control, place))
            return installed;
        const DWORD started = control.Start();
        return started == ERROR_SERVICE_ALREADY_RUNNING ? 0 : started;
    }
    if (command == "/stop") {
        const DWORD stopped = control.Stop();
        return stopped == ERROR_SERVICE_NOT_ACTIVE ? 0 : stopped;
    }
    if (command == "/pause")
        return control.Pause();
    if (command == "/continue")
        return control.Continue();
    if (command == "/scan")
        return control.Send(kControlRunJob);
    return ERROR_INVALID_PARAMETER;
}

std::string Lower(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    if (!text.empty() && text[0] == '-')
        text[0] = '/';
    return text;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? Lower(argv[1]) : "";
    const std::string name = argc > 2 ? argv[2] : "";
    if (command == "/service" || command.empty()) {
        if (VexomarService::RunAsService(name.empty() ? "." : name))
            return 0;
        std::printf("VXMSVC runs as a server's \"%s\" under the service control manager.\n"
                    "Use VXMSVC /install, /uninstall, /start, /stop, /pause, /continue or /scan [NAME|DOMAIN|*].\n",
            kVexomarServiceName);
        return 1;
    }
    const ServerLocator site = ServerLocator::FromRegistry();
    const std::vector<ServerPlace> targets = name == "*" ? site.AllServers() : site.Targets(name, false);
    if (targets.empty()) {
        std::printf("%s is no server or domain of the site.\n", name.c_str());
        return 1;
    }
    int failures = 0;
    for (const ServerPlace& place : targets) {
        const DWORD result = Apply(command, place);
        if (result == ERROR_INVALID_PARAMETER && command != "/install") {
            std::printf("Unknown option %s.\n", argv[1]);
            return 1;
        }
        std::printf("%s %s: %s (%lu).\n", place.ServiceName().c_str(), command.c_str() + 1, result ? "failed" : "done",
            static_cast<unsigned long>(result));
        failures += result != 0;
    }
    return failures ? 1 : 0;
}
