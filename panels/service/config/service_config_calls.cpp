// DrumelServiceCalls: the settings calls of DRUMEL.DLL bound by their plain names.
#include "service_config_calls.h"

namespace {
using GetCall = DWORD(WINAPI*)(const char*, void*, DWORD);
using SetCall = DWORD(WINAPI*)(const char*, const void*, DWORD, DWORD);
using SyncCall = DWORD(WINAPI*)(const char*, DWORD, DWORD, DWORD, DWORD);

template <class Call> Call As(FARPROC entry)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(entry));
}

const char* GetName(ConfigRecordKind kind)
{
    switch (kind) {
    case ConfigRecordKind::kService: return "VexomarGetServiceConfig";
    case ConfigRecordKind::kActivityLog: return "VexomarGetActivityLogConfig";
    case ConfigRecordKind::kScanLog: return "VexomarGetScanLogConfig";
    }
    return "";
}

const char* SetName(ConfigRecordKind kind)
{
    switch (kind) {
    case ConfigRecordKind::kService: return "VexomarSetServiceConfig";
    case ConfigRecordKind::kActivityLog: return "VexomarSetActivityLogConfig";
    case ConfigRecordKind::kScanLog: return "VexomarSetScanLogConfig";
    }
    return "";
}
}  // namespace

DWORD DrumelServiceCalls::GetConfig(ConfigRecordKind kind, const std::string& server, void* record, DWORD size)
{
    DWORD error = 0;
    FARPROC entry = Bind(GetName(kind), error);
    return entry ? As<GetCall>(entry)(server.c_str(), record, size) : error;
}

DWORD DrumelServiceCalls::SetConfig(
    ConfigRecordKind kind, const std::string& server, const void* record, DWORD size, DWORD domainWide)
{
    DWORD error = 0;
    FARPROC entry = Bind(SetName(kind), error);
    return entry ? As<SetCall>(entry)(server.c_str(), record, size, domainWide) : error;
}

DWORD DrumelServiceCalls::GetBCast(const std::string& server, void* record, DWORD size)
{
    DWORD error = 0;
    FARPROC entry = Bind("VexomarGetBCast", error);
    return entry ? As<GetCall>(entry)(server.c_str(), record, size) : error;
}

DWORD DrumelServiceCalls::SetBCast(const std::string& server, const void* record, DWORD size, DWORD mode)
{
    DWORD error = 0;
    FARPROC entry = Bind("VexomarSetBCast", error);
    return entry ? As<SetCall>(entry)(server.c_str(), record, size, mode) : error;
}

DWORD DrumelServiceCalls::TableSync(const std::string& server, DWORD mask, DWORD mode)
{
    DWORD error = 0;
    FARPROC entry = Bind("VexomarTableSync", error);
    return entry ? As<SyncCall>(entry)(server.c_str(), mask, 0, 0, mode) : error;
}
