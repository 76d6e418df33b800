// vxqueue PRINTER PORT \\SERVER\QUEUE [COMMENT]: makes the printer that stands for a site
// server's print queue: the PostScript driver on PORT, the queue's network name as its
// location (where the network provider finds it) and COMMENT as its comment. A printer of that
// name is brought up to date instead. The driver comes from vxprnset, which runs first.
#include <windows.h>
#include <winspool.h>

#include <cstdio>
#include <string>

namespace {

const char kDriverName[] = "Wine PostScript Driver";

bool UpdateExisting(
    const std::string& name, const std::string& port, const std::string& location, const std::string& comment)
{
    HANDLE printer = nullptr;
    PRINTER_DEFAULTSA access = {nullptr, nullptr, PRINTER_ALL_ACCESS};
    if (!OpenPrinterA(const_cast<char*>(name.c_str()), &printer, &access))
        return false;
    DWORD needed = 0;
    GetPrinterA(printer, 2, nullptr, 0, &needed);
    std::string buffer(needed, '\0');
    bool ok = needed && GetPrinterA(printer, 2, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed);
    if (ok) {
        auto* info = reinterpret_cast<PRINTER_INFO_2A*>(buffer.data());
        info->pPortName = const_cast<char*>(port.c_str());
        info->pLocation = const_cast<char*>(location.c_str());
        info->pComment = const_cast<char*>(comment.c_str());
        info->pSecurityDescriptor = nullptr;
        ok = SetPrinterA(printer, 2, reinterpret_cast<BYTE*>(info), 0) != FALSE;
    }
    ClosePrinter(printer);
    if (!ok)
        std::fprintf(stderr, "vxqueue: %s could not be updated (%lu)\n", name.c_str(), GetLastError());
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4 || argc > 5) {
        std::fprintf(stderr, "usage: vxqueue PRINTER PORT \\\\SERVER\\QUEUE [COMMENT]\n");
        return 2;
    }
    const std::string name = argv[1];
    const std::string port = argv[2];
    const std::string location = argv[3];
    const std::string comment = argc == 5 ? argv[4] : "";
    if (UpdateExisting(name, port, location, comment))
        return 0;

    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(name.c_str());
    info.pPortName = const_cast<char*>(port.c_str());
    info.pDriverName = const_cast<char*>(kDriverName);
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    info.pLocation = const_cast<char*>(location.c_str());
    info.pComment = const_cast<char*>(comment.c_str());
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = AddPrinterA(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    if (!printer) {
        std::fprintf(stderr, "vxqueue: %s could not be added (%lu)\n", name.c_str(), GetLastError());
        return 1;
    }
    ClosePrinter(printer);
    return 0;
}
