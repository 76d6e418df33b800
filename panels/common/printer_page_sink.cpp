// Drawing report pages on a printer.
#include "printer_page_sink.h"

bool PrinterPageSink::StartPage()
{
    return ::StartPage(dc_) > 0;
}

void PrinterPageSink::DrawLine(int row, const std::string& text)
{
    if (!text.empty())
        TextOutA(dc_, left_, row * lineHeight_, text.data(), static_cast<int>(text.size()));
}

bool PrinterPageSink::EndPage()
{
    return ::EndPage(dc_) > 0;
}
