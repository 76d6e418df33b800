// The configuration pages: one line per page names the class that shows it.
#include "main_frame_pages.h"

#include "main_frame.h"
#include "placeholder_page.h"

std::unique_ptr<CAdminFV> MakeConfigurationPage(int index)
{
    switch (index) {
    case CMainFrame::kSummaryPage: return std::make_unique<CPlaceholderPage>();
    case CMainFrame::kBroadcastPage: return std::make_unique<CPlaceholderPage>();
    case CMainFrame::kPagerPage: return std::make_unique<CPlaceholderPage>();
    case CMainFrame::kSnmpPage: return std::make_unique<CPlaceholderPage>();
    case CMainFrame::kTicketPage: return std::make_unique<CPlaceholderPage>();
    case CMainFrame::kEmailPage: return std::make_unique<CPlaceholderPage>();
    case CMainFrame::kEventLogPage: return std::make_unique<CPlaceholderPage>();
    default: return nullptr;
    }
}
