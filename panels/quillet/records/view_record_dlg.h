// CViewRecordDlg: "View record", the text of one scan's report file.
#pragma once

#include <string>

#include "dialog.h"

class CViewRecordDlg : public CDialog {
public:
    // The most of a report the box takes; a longer file is cut to it (with 2014).
    static constexpr size_t kShownLimit = 1u << 20;

    CViewRecordDlg(std::string path, std::string text, CWnd* parent = nullptr);

    BOOL OnInitDialog() override;
    const std::string& Text() const { return m_text; }

private:
    std::string m_path;
    std::string m_text;
};

// The report's text as the viewer shows it: the whole file but its last two bytes (its final line
// end), cut at kShownLimit. Shows 2013 for a missing file, 2000 for one that does not open,
// 2014 for one that is cut and 2032 when no memory is left; false when nothing is to be shown.
bool ReadRecordFile(HWND owner, const std::string& path, std::string& text);

// Reads the report and opens the dialog over it.
void ShowRecordFile(CWnd* parent, const std::string& path);
