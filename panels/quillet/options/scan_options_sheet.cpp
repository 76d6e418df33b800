// CScanOptionsSheet: the pages present follow "Files" and the mail databases of the panel.
#include "scan_options_sheet.h"

#include <ctime>

#include "quillet_options_ids.h"

namespace {

std::int64_t SystemNow()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

}  // namespace

CScanOptionsSheet::CScanOptionsSheet(const LocalScanOptions& options, const ScanOptionsSheetSetup& setup, CWnd* parent)
    : CPropertySheet(IDS_OPTIONS_CAPTION, parent), m_options(options),
      m_optionsPage(m_options, [this](bool files) { ShowFileTypes(files); }),
      m_fileTypesPage(m_options, setup.mailAgentConnected),
      m_mailPage(m_options, setup.now ? setup.now : std::function<std::int64_t()>(SystemNow))
{
    AddPage(&m_optionsPage);
    if (m_options.scanFiles)
        AddPage(&m_fileTypesPage);
    if (setup.mailRootShown)
        AddPage(&m_mailPage);
}

void CScanOptionsSheet::ShowFileTypes(bool show)
{
    const bool shown = GetPageIndex(&m_fileTypesPage) >= 0;
    if (!show) {
        if (shown)
            RemovePage(&m_fileTypesPage);
        return;
    }
    if (shown)
        return;
    const bool hadMail = GetPageIndex(&m_mailPage) >= 0;
    if (hadMail)
        RemovePage(&m_mailPage);
    AddPage(&m_fileTypesPage);
    if (hadMail)
        AddPage(&m_mailPage);
}

bool EditScanOptions(CWnd* parent, LocalScanOptions& options, const ScanOptionsSheetSetup& setup,
    const std::function<bool(const LocalScanOptions&)>& save)
{
    CScanOptionsSheet sheet(options, setup, parent);
    if (sheet.DoModal() != IDOK)
        return false;
    options = sheet.m_options;
    if (save)
        save(options);
    return true;
}
