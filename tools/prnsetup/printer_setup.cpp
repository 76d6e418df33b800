// Installs the PostScript printer "Vexomar PostScript" on the FILE: port and makes it the default,
// so that printing produces PostScript documents that can be turned into PDF and PNG pages.
#include <windows.h>
#include <winspool.h>
#include <cstdio>
#include <string>

namespace {

const char kPrinterName[] = "Vexomar PostScript";
const char kDriverName[] = "Wine PostScript Driver";

// The PostScript driver needs a printer description; the spooler carries a generic one
// as resource 1 of type "PPDFILE".
bool WriteGenericPrinterDescription(const std::string& path)
{
    HMODULE spooler = LoadLibraryA("winspool.drv");
    HRSRC found = spooler ? FindResourceA(spooler, MAKEINTRESOURCEA(1), "PPDFILE") : nullptr;
    HGLOBAL loaded = found ? LoadResource(spooler, found) : nullptr;
    if (!loaded)
        return false;
    DWORD size = SizeofResource(spooler, found);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = WriteFile(file, LockResource(loaded), size, &written, nullptr) && written == size;
    CloseHandle(file);
    return ok;
}

bool PrinterExists()
{
    HANDLE printer = nullptr;
    if (!OpenPrinterA(const_cast<char*>(kPrinterName), &printer, nullptr))
        return false;
    ClosePrinter(printer);
    return true;
}

}  // namespace

int main()
{
    if (PrinterExists())
        return SetDefaultPrinterA(kPrinterName) ? 0 : 1;

    char driverDir[MAX_PATH] = {};
    DWORD needed = sizeof driverDir;
    if (!GetPrinterDriverDirectoryA(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(driverDir), needed, &needed)) {
        std::fprintf(stderr, "no printer driver directory (%lu)\n", GetLastError());
        return 1;
    }
    CreateDirectoryA(driverDir, nullptr);
    std::string description = std::string(driverDir) + "\\vexomar.ppd";
    if (!WriteGenericPrinterDescription(description)) {
        std::fprintf(stderr, "the generic printer description could not be written\n");
        return 1;
    }

    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(kDriverName);
    driver.pDriverPath = const_cast<char*>("wineps.drv");
    driver.pConfigFile = const_cast<char*>("wineps.drv");
    driver.pDataFile = description.data();
    if (!AddPrinterDriverExA(nullptr, 3, reinterpret_cast<BYTE*>(&driver), APD_COPY_NEW_FILES) &&
        GetLastError() != ERROR_PRINTER_DRIVER_ALREADY_INSTALLED) {
        std::fprintf(stderr, "the PostScript driver could not be added (%lu)\n", GetLastError());
        return 1;
    }

    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(kPrinterName);
    info.pPortName = const_cast<char*>("FILE:");
    info.pDriverName = const_cast<char*>(kDriverName);
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) {
        std::fprintf(stderr, "the printer could not be added (%lu)\n", GetLastError());
        return 1;
    }
    ClosePrinter(printer);
    return SetDefaultPrinterA(kPrinterName) ? 0 : 1;
}
