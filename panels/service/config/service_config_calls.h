// ServiceConfigCalls: the service core's settings and broadcast calls the configuration sheets make.
#pragma once

#include <windows.h>

#include <string>

#include "broadcast_table_calls.h"

enum class ConfigRecordKind { kService, kActivityLog, kScanLog };

class ServiceConfigCalls {
public:
    virtual ~ServiceConfigCalls() = default;
    virtual DWORD GetConfig(ConfigRecordKind kind, const std::string& server, void* record, DWORD size) = 0;
    // `domainWide` 1 when the server name stands for its whole domain.
    virtual DWORD SetConfig(
        ConfigRecordKind kind, const std::string& server, const void* record, DWORD size, DWORD domainWide) = 0;
    virtual DWORD GetBCast(const std::string& server, void* record, DWORD size) = 0;
    // `mode` 0 the server alone, 1 the sheet of a domain, 2 the domain broadcast dialog.
    virtual DWORD SetBCast(const std::string& server, const void* record, DWORD size, DWORD mode) = 0;
    // Copies the tables of `mask` (1, 2, 4) to the other servers of the domain.
    virtual DWORD TableSync(const std::string& server, DWORD mask, DWORD mode) = 0;
};

// Both sets of calls through the one DRUMEL.DLL binding of the table calls.
class DrumelServiceCalls : public DrumelTableCalls, public ServiceConfigCalls {
public:
    DWORD GetConfig(ConfigRecordKind kind, const std::string& server, void* record, DWORD size) override;
    DWORD SetConfig(
        ConfigRecordKind kind, const std::string& server, const void* record, DWORD size, DWORD domainWide) override;
    DWORD GetBCast(const std::string& server, void* record, DWORD size) override;
    DWORD SetBCast(const std::string& server, const void* record, DWORD size, DWORD mode) override;
    DWORD TableSync(const std::string& server, DWORD mask, DWORD mode) override;
};
