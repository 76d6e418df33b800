// The report file's text, built at any length: no line is cut or overrun, however long its path.
#include "scan_report_text.h"

#include <cstdarg>
#include <cstdio>

namespace scan_report {

namespace {

// printf into a string as long as the text needs.
std::string Format(const char* format, ...)
{
    va_list arguments;
    va_start(arguments, format);
    va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (length > 0) {
        text.resize(static_cast<size_t>(length) + 1);
        std::vsnprintf(text.data(), text.size(), format, arguments);
        text.resize(static_cast<size_t>(length));
    }
    va_end(arguments);
    return text;
}

}  // namespace

std::string ReportText(const ReportStrings& strings, const std::string& startDate, const std::string& startTime,
    const ScanCounters& counters, const std::vector<ScanResultLine>& detections)
{
    const std::uint32_t values[kCounterLineCount] = {counters.bootSectorInfections, counters.bootSectorsCured,
        counters.directoriesScanned, counters.filesScanned, counters.virusesFound, counters.filesInfected,
        counters.filesCured, counters.filesDeleted, counters.filesPurged, counters.filesMoved, counters.filesRenamed,
        counters.filesRenamedAndMoved};
    std::string text = Format(strings.header.c_str(), startDate.c_str(), startTime.c_str());
    text += "\n\n";
    for (std::size_t i = 0; i < kCounterLineCount && i < strings.counterLines.size(); ++i) {
        // An empty line after the boot counters and after the viruses found.
        if (i == 2 || i == 5)
            text += "\n";
        text += Format(strings.counterLines[i].c_str(), static_cast<long>(values[i]));
    }
    if (!detections.empty()) {
        text += "\n";
        text += strings.detectedTitle;
        for (const ScanResultLine& row : detections) {
            text += Format(strings.detectionLine.c_str(), row.item.c_str(), row.virus.c_str(), row.outcome.c_str());
            if (!row.messageInfo.empty()) {
                text += row.messageInfo;
                text += "\n";
            }
        }
    }
    text += "\n";
    return text;
}

std::string TextModeBytes(const std::string& text)
{
    std::string bytes;
    bytes.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

}  // namespace scan_report
