// ServiceControl: the statistics page's seam to the service control manager.
#pragma once

#include <windows.h>

// Answers the Alert Service's status as the SERVICE_* state code (SERVICE_STOPPED, ...). The
// production implementation asks the service control manager; tests install a recording fake,
// since every computer name reaches the local manager under Wine.
class ServiceControl {
public:
    static constexpr const char* kServiceName = "Morwick Alert Notification Server";

    virtual ~ServiceControl() = default;

    // The status on this computer through a manager handle kept open between calls. Any
    // failure reads as SERVICE_STOPPED.
    virtual DWORD QueryLocal() = 0;
    // The status on the named computer, both handles opened and closed for the one call.
    // False, and `status` untouched, when it cannot be read.
    virtual bool QueryRemote(const char* computer, DWORD& status) = 0;
    // Closes the kept local manager handle; the next local query opens it again.
    virtual void CloseLocal() = 0;
};

// The implementation over the service control manager, one for the program.
ServiceControl& SystemServiceControl();
