// LoadedServiceCore: the service core's calls through the libraries found at run time.
#include "service_core.h"

namespace {
using StatusCall = DWORD(WINAPI*)(const char*, DWORD*);
using StartCall = DWORD(WINAPI*)(const char*, DWORD);
using StopCall = DWORD(WINAPI*)(const char*);
using QueryCall = DWORD(WINAPI*)();
using BranchCall = CVexomarServer* (*)();

// The static accessors are exported under their C++ names.
constexpr const char* kPointToPointAccessor = "_ZN17CVexomarptpServer16GetPTPSelfServerEv";
constexpr const char* kNetworkAccessor = "_ZN23CVexomarWindowsNTServer15GetNTSelfServerEv";

template <class Call> Call As(FARPROC entry)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(entry));
}
}  // namespace

LoadedServiceCore::~LoadedServiceCore()
{
    if (m_drumel)
        FreeLibrary(m_drumel);
    if (m_ynnis) {
        // A query thread left running would outlive the code it runs once the library goes.
        if (FARPROC stop = GetProcAddress(m_ynnis, "VexomarStopQuery"))
            As<QueryCall>(stop)();
        FreeLibrary(m_ynnis);
    }
}

FARPROC LoadedServiceCore::Bind(HMODULE& module, const char* library, const char* name, DWORD& error)
{
    if (!module)
        module = LoadLibraryA(library);
    if (!module) {
        error = ERROR_MOD_NOT_FOUND;
        return nullptr;
    }
    FARPROC entry = GetProcAddress(module, name);
    if (!entry)
        error = ERROR_PROC_NOT_FOUND;
    return entry;
}

DWORD LoadedServiceCore::GetServiceStatus(const std::string& computer, DWORD* status)
{
    DWORD error = 0;
    FARPROC entry = Bind(m_drumel, "DRUMEL.DLL", "VexomarGetServiceStatus", error);
    return entry ? As<StatusCall>(entry)(computer.c_str(), status) : error;
}

DWORD LoadedServiceCore::StartService(const std::string& server)
{
    DWORD error = 0;
    FARPROC entry = Bind(m_drumel, "DRUMEL.DLL", "VexomarStartService", error);
    return entry ? As<StartCall>(entry)(server.c_str(), 0) : error;
}

DWORD LoadedServiceCore::StopService(const std::string& server)
{
    DWORD error = 0;
    FARPROC entry = Bind(m_drumel, "DRUMEL.DLL", "VexomarStopService", error);
    return entry ? As<StopCall>(entry)(server.c_str()) : error;
}

DWORD LoadedServiceCore::StartQuery()
{
    DWORD error = 0;
    FARPROC entry = Bind(m_ynnis, "YNNIS.DLL", "VexomarStartQuery", error);
    return entry ? As<QueryCall>(entry)() : error;
}

DWORD LoadedServiceCore::StopQuery()
{
    DWORD error = 0;
    FARPROC entry = Bind(m_ynnis, "YNNIS.DLL", "VexomarStopQuery", error);
    return entry ? As<QueryCall>(entry)() : error;
}

CVexomarServer* LoadedServiceCore::BranchServer(const char* accessor)
{
    DWORD error = 0;
    FARPROC entry = Bind(m_ynnis, "YNNIS.DLL", accessor, error);
    return entry ? As<BranchCall>(entry)() : nullptr;
}

CVexomarServer* LoadedServiceCore::PointToPointServer()
{
    return BranchServer(kPointToPointAccessor);
}

CVexomarServer* LoadedServiceCore::NetworkServer()
{
    return BranchServer(kNetworkAccessor);
}
