// Drawing report pages on a printer.
#include "printer_page_sink.h"

bool PrinterPageSink::StartPage()
{
    return ::StartPage(m_dc) > 0;
}

void PrinterPageSink::DrawLine(int row, const std::string& text)
{
    if (!text.empty())
        TextOutA(m_dc, m_left, row * m_lineHeight, text.data(), static_cast<int>(text.size()));
}

bool PrinterPageSink::EndPage()
{
    return ::EndPage(m_dc) > 0;
}
