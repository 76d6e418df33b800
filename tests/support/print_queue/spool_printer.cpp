#include "spool_printer.h"

#include <winspool.h>

#include <fstream>
#include <sstream>

namespace {

const char kSpoolerKey[] = "Software\\Wine\\Printing\\Spooler";
const char kPortsKey[] = "Software\\Microsoft\\Windows NT\\CurrentVersion\\Ports";

bool SetString(HKEY root, const char* key, const std::string& name, const std::string& value)
{
    HKEY opened = nullptr;
    if (RegCreateKeyExA(root, key, 0, nullptr, 0, KEY_WRITE, nullptr, &opened, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(opened, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
        static_cast<DWORD>(value.size() + 1));
    RegCloseKey(opened);
    return result == ERROR_SUCCESS;
}

void DeleteValue(HKEY root, const char* key, const std::string& name)
{
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key, 0, KEY_WRITE, &opened) == ERROR_SUCCESS) {
        RegDeleteValueA(opened, name.c_str());
        RegCloseKey(opened);
    }
}

std::string ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

SpoolPrinter::SpoolPrinter(const std::string& name, const std::string& port, const std::string& location,
    const std::string& spoolFolder)
    : m_name(name), m_port(port), m_spool(spoolFolder)
{
    Remove();
    CreateDirectoryA(m_spool.c_str(), nullptr);
    using UnixName = char*(CDECL*)(LPCWSTR);
    const auto unixName = reinterpret_cast<UnixName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!unixName) {
        m_error = "not running under Wine";
        return;
    }
    const std::wstring wide(m_spool.begin(), m_spool.end());
    char* unixSpool = unixName(wide.c_str());
    if (!unixSpool) {
        m_error = "no Unix name for " + m_spool;
        return;
    }
    const std::string command = std::string("|cat >'") + unixSpool + "/JOB-$$.PS'";
    HeapFree(GetProcessHeap(), 0, unixSpool);
    if (!SetString(HKEY_CURRENT_USER, kSpoolerKey, m_port, command) || !SetString(HKEY_LOCAL_MACHINE, kPortsKey, m_port, "")) {
        m_error = "the port cannot be registered";
        return;
    }
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(m_name.c_str());
    info.pPortName = const_cast<char*>(m_port.c_str());
    info.pDriverName = const_cast<char*>("Wine PostScript Driver");
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    info.pLocation = const_cast<char*>(location.c_str());
    info.pComment = const_cast<char*>("Test queue");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) {
        m_error = "the PostScript driver must be installed (tools/prefix): error " + std::to_string(GetLastError());
        return;
    }
    ClosePrinter(printer);
}

SpoolPrinter::~SpoolPrinter()
{
    Remove();
}

void SpoolPrinter::Remove() const
{
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (OpenPrinterA(const_cast<char*>(m_name.c_str()), &printer, &access)) {
        DeletePrinter(printer);
        ClosePrinter(printer);
    }
    DeleteValue(HKEY_CURRENT_USER, kSpoolerKey, m_port);
    DeleteValue(HKEY_LOCAL_MACHINE, kPortsKey, m_port);
}

std::string SpoolPrinter::TakeJob(DWORD timeoutMs) const
{
    const DWORD start = GetTickCount();
    do {
        WIN32_FIND_DATAA found = {};
        HANDLE search = FindFirstFileA((m_spool + "\\JOB-*.PS").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            FindClose(search);
            const std::string path = m_spool + "\\" + found.cFileName;
            const std::string text = ReadText(path);
            // The spooler's command is still writing until the trailer is there.
            if (text.find("%%EOF") != std::string::npos) {
                DeleteFileA(path.c_str());
                return text;
            }
        }
        Sleep(50);
    } while (GetTickCount() - start < timeoutMs);
    return "";
}
