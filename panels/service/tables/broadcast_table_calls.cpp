// DrumelTableCalls: the table calls of DRUMEL.DLL bound by their plain names.
#include "broadcast_table_calls.h"

namespace {
using LoadCall = DWORD(WINAPI*)(const char*, DWORD, void*, DWORD, DWORD, DWORD, DWORD*);
using SaveCall = DWORD(WINAPI*)(const char*, DWORD, const void*, DWORD, DWORD, DWORD, DWORD, DWORD*);
using ReloadCall = DWORD(WINAPI*)(const char*, DWORD, DWORD, DWORD);

template <class Call> Call As(FARPROC entry)
{
    return reinterpret_cast<Call>(reinterpret_cast<void*>(entry));
}
}  // namespace

DrumelTableCalls::~DrumelTableCalls()
{
    if (m_drumel)
        FreeLibrary(m_drumel);
}

FARPROC DrumelTableCalls::Bind(const char* name, DWORD& error)
{
    if (!m_drumel)
        m_drumel = LoadLibraryA("DRUMEL.DLL");
    if (!m_drumel) {
        error = ERROR_MOD_NOT_FOUND;
        return nullptr;
    }
    FARPROC entry = GetProcAddress(m_drumel, name);
    if (!entry)
        error = ERROR_PROC_NOT_FOUND;
    return entry;
}

DWORD DrumelTableCalls::TableLoad(
    const std::string& server, DWORD table, void* buffer, DWORD size, DWORD first, DWORD largest, DWORD* count)
{
    DWORD error = 0;
    FARPROC entry = Bind("VexomarTableLoad", error);
    return entry ? As<LoadCall>(entry)(server.c_str(), table, buffer, size, first, largest, count) : error;
}

DWORD DrumelTableCalls::TableSave(const std::string& server, DWORD table, const void* entries, DWORD size, DWORD number,
    DWORD replace, DWORD domainWide, DWORD* count)
{
    DWORD error = 0;
    FARPROC entry = Bind("VexomarTableSave", error);
    return entry ? As<SaveCall>(entry)(server.c_str(), table, entries, size, number, replace, domainWide, count)
                 : error;
}

DWORD DrumelTableCalls::TableReload(const std::string& server, DWORD table)
{
    DWORD error = 0;
    FARPROC entry = Bind("VexomarTableReload", error);
    return entry ? As<ReloadCall>(entry)(server.c_str(), table, 0, 0) : error;
}
