// /install, /stop and /uninstall: the service's entry with the service control manager and its Alert home.
#pragma once

#include <string>

class ServiceInstaller {
public:
    // Creates the Alert home (registry value, folders, the scanner's application) when
    // missing and registers this program as the service, or updates its program path.
    // Returns 0 or a Windows error number; `message` says what happened.
    static unsigned long Install(std::string& message);
    // Installs when needed and starts the service, waiting (bounded) until it runs; a
    // service that runs already is left as it is.
    static unsigned long Start(std::string& message);
    // Stops the service when it runs (bounded wait); a service not installed is no error.
    static unsigned long Stop(std::string& message);
    // Stops the service when it runs (bounded wait) and removes it.
    static unsigned long Uninstall(std::string& message);

    // "<system drive>\MORWICK\ALERT".
    static std::string DefaultHome();
};
