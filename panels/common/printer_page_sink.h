// PrinterPageSink: report pages drawn on a printer device context, one text line per row.
#pragma once

#include <windows.h>

#include "report_source.h"

class PrinterPageSink : public ReportPageSink {
public:
    PrinterPageSink(HDC dc, int leftMargin, int lineHeight) : dc_(dc), left_(leftMargin), lineHeight_(lineHeight) {}

    bool StartPage() override;
    void DrawLine(int row, const std::string& text) override;
    bool EndPage() override;

private:
    HDC dc_;
    int left_;
    int lineHeight_;
};
