// ServiceCore: the antivirus service core's calls the panel's start-up and shut-down make.
#pragma once

#include <windows.h>

#include <string>

#include "service_config_calls.h"

class CVexomarServer;

class ServiceCore {
public:
    virtual ~ServiceCore() = default;
    virtual DWORD GetServiceStatus(const std::string& computer, DWORD* status) = 0;
    virtual DWORD StartService(const std::string& server) = 0;
    virtual DWORD StopService(const std::string& server) = 0;
    virtual DWORD StartQuery() = 0;
    virtual DWORD StopQuery() = 0;
    // The server objects of the tree's two branches; none when the library is missing.
    virtual CVexomarServer* PointToPointServer() { return nullptr; }
    virtual CVexomarServer* NetworkServer() { return nullptr; }
    // The settings, broadcast and table calls of the configuration sheets.
    virtual ServiceConfigCalls& ConfigCalls() = 0;
    virtual BroadcastTableCalls& TableCalls() = 0;
};

// DRUMEL.DLL and YNNIS.DLL loaded by name, their functions bound by their plain names. A
// library or function that is not there answers ERROR_MOD_NOT_FOUND or ERROR_PROC_NOT_FOUND.
class LoadedServiceCore : public ServiceCore {
public:
    ~LoadedServiceCore() override;
    DWORD GetServiceStatus(const std::string& computer, DWORD* status) override;
    DWORD StartService(const std::string& server) override;
    DWORD StopService(const std::string& server) override;
    DWORD StartQuery() override;
    DWORD StopQuery() override;
    CVexomarServer* PointToPointServer() override;
    CVexomarServer* NetworkServer() override;
    ServiceConfigCalls& ConfigCalls() override { return m_drumelCalls; }
    BroadcastTableCalls& TableCalls() override { return m_drumelCalls; }

private:
    CVexomarServer* BranchServer(const char* accessor);
    FARPROC Bind(HMODULE& module, const char* library, const char* name, DWORD& error);
    HMODULE m_drumel = nullptr;
    HMODULE m_ynnis = nullptr;
    DrumelServiceCalls m_drumelCalls;
};
