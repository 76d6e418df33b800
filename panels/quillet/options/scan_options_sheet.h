// CScanOptionsSheet: "Local Scanner Options", three pages over a copy of the plug-in's option record.
#pragma once

#include <cstdint>
#include <functional>

#include "file_types_page.h"
#include "local_scan_options.h"
#include "mail_options_page.h"
#include "options_page.h"
#include "property_sheet.h"

class CWinApp;

struct ScanOptionsSheetSetup {
    bool mailAgentConnected = false;  // the File Types page shows the mail-database group
    bool mailRootShown = false;  // the panel's tree shows the mail databases: the E-Mail page is there
    std::function<std::int64_t()> now;  // seconds since 1970; the system's clock when empty
};

class CScanOptionsSheet : public CPropertySheet {
public:
    CScanOptionsSheet(const LocalScanOptions& options, const ScanOptionsSheetSetup& setup, CWnd* parent = nullptr);

    // "Files" was clicked: the File Types page goes or comes, keeping the order Options, File Types,
    // E-Mail Options.
    void ShowFileTypes(bool show);

    LocalScanOptions m_options;  // the sheet's copy; the caller takes it on OK
    COptionsPage m_optionsPage;
    CFileTypesPage m_fileTypesPage;
    CMailOptionsPage m_mailPage;
};

// Opens the sheet on a copy of `options`; OK copies the sheet's record back into `options` and saves it
// with `save`. True on OK.
bool EditScanOptions(CWnd* parent, LocalScanOptions& options, const ScanOptionsSheetSetup& setup,
    const std::function<bool(const LocalScanOptions&)>& save);
