// PrinterPageSink: report pages drawn on a printer device context, one text line per row.
#pragma once

#include <windows.h>

#include "report_source.h"

class PrinterPageSink : public ReportPageSink {
public:
    PrinterPageSink(HDC dc, int leftMargin, int lineHeight) : m_dc(dc), m_left(leftMargin), m_lineHeight(lineHeight) { }

    bool StartPage() override;
    void DrawLine(int row, const std::string& text) override;
    bool EndPage() override;

private:
    HDC m_dc;
    int m_left;
    int m_lineHeight;
};
