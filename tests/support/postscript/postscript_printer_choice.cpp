// The printer a scripted person chooses.
#include "postscript_printer_choice.h"

bool PostScriptPrinterChoice::ChoosePrinter(PrinterRequest& request)
{
    ++asked;
    flags = request.flags;
    if (!accept)
        return false;
    request.printerName = kPrinter;
    request.dc = CreateDCA(nullptr, kPrinter, nullptr, nullptr);
    return request.dc != nullptr;
}
