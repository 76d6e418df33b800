// BroadcastTableCalls: the service core's table calls the broadcast address pages make.
#pragma once

#include <windows.h>

#include <string>

class BroadcastTableCalls {
public:
    virtual ~BroadcastTableCalls() = default;
    // Up to `largest` entries from entry `first` into `buffer` (`size` bytes); their number in `count`.
    virtual DWORD TableLoad(
        const std::string& server, DWORD table, void* buffer, DWORD size, DWORD first, DWORD largest, DWORD* count) = 0;
    // `number` entries of `size` bytes in all; replace 1 starts the table afresh, 0 appends.
    virtual DWORD TableSave(const std::string& server, DWORD table, const void* entries, DWORD size, DWORD number,
        DWORD replace, DWORD domainWide, DWORD* count) = 0;
    // Tells the service to take up the saved table.
    virtual DWORD TableReload(const std::string& server, DWORD table) = 0;
};

// The calls of DRUMEL.DLL, loaded by name when first needed. A library or function that is
// not there answers ERROR_MOD_NOT_FOUND or ERROR_PROC_NOT_FOUND.
class DrumelTableCalls : public BroadcastTableCalls {
public:
    DrumelTableCalls() = default;
    DrumelTableCalls(const DrumelTableCalls&) = delete;
    DrumelTableCalls& operator=(const DrumelTableCalls&) = delete;
    ~DrumelTableCalls() override;

    DWORD TableLoad(const std::string& server, DWORD table, void* buffer, DWORD size, DWORD first, DWORD largest,
        DWORD* count) override;
    DWORD TableSave(const std::string& server, DWORD table, const void* entries, DWORD size, DWORD number,
        DWORD replace, DWORD domainWide, DWORD* count) override;
    DWORD TableReload(const std::string& server, DWORD table) override;

protected:
    // The named function of DRUMEL.DLL, the library loaded on the first call.
    FARPROC Bind(const char* name, DWORD& error);

private:
    HMODULE m_drumel = nullptr;
};
