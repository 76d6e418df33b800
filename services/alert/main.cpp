// ALERTSVC.EXE: the Alert Service when started by the service control manager, else /install,
// /start (install when needed, then start), /stop or /uninstall.
#include <windows.h>

#include <cstdio>
#include <string>

#include "alert_service.h"
#include "service_installer.h"

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    std::string message;
    unsigned long result = 0;
    if (_stricmp(command.c_str(), "/install") == 0 || _stricmp(command.c_str(), "-install") == 0) {
        result = ServiceInstaller::Install(message);
    } else if (_stricmp(command.c_str(), "/start") == 0) {
        result = ServiceInstaller::Start(message);
    } else if (_stricmp(command.c_str(), "/stop") == 0) {
        result = ServiceInstaller::Stop(message);
    } else if (_stricmp(command.c_str(), "/uninstall") == 0 || _stricmp(command.c_str(), "-uninstall") == 0) {
        result = ServiceInstaller::Uninstall(message);
    } else if (command.empty()) {
        if (AlertService::RunAsService())
            return 0;
        message = "ALERTSVC runs as the service \"Morwick Alert Notification Server\".\n"
                  "Use ALERTSVC /install, /start, /stop or /uninstall.";
        result = 1;
    } else {
        message = "Unknown option " + command + ". Use ALERTSVC /install, /start, /stop or /uninstall.";
        result = 1;
    }
    std::printf("%s\n", message.c_str());
    return result == 0 ? 0 : 1;
}
