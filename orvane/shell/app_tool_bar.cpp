// CAppToolBar: buttons, sizes and the embedded application selector.
#include "app_tool_bar.h"

#include "resource.h"

namespace {

const UINT kButtons[] = {
    ID_SHOW_LOGS, ID_SHOW_CONFIGURATION, ID_SEPARATOR, ID_SEPARATOR, ID_SELECT_SERVER, ID_SERVICE_START,
    ID_SERVICE_STOP, ID_SERVICE_PAUSE,
    ID_SEPARATOR,  // the gap before the selector
    ID_SEPARATOR,  // the selector's place
};
constexpr int kGapIndex = 8;
constexpr int kSelectorIndex = 9;
constexpr int kGapWidth = 24;
constexpr int kSelectorWidth = 160;
constexpr int kSelectorListHeight = 128;
constexpr int kBarHeight = 40;

}  // namespace

bool CAppToolBar::CreateFor(CWnd* frame)
{
    if (!Create(frame, WS_CHILD | WS_VISIBLE, AFX_IDW_TOOLBAR))
        return false;
    SetSizes(SIZE {36, 32}, SIZE {24, 24});
    if (!LoadBitmap(IDB_APP_TOOLBAR) || !SetButtons(kButtons, static_cast<int>(std::size(kButtons))))
        return false;
    SetSeparatorWidth(kGapIndex, kGapWidth);
    const int dropHeight = kSelectorListHeight + 2 * GetSystemMetrics(SM_CYBORDER);
    m_selector = AddComboBox(kSelectorIndex, kSelectorWidth, IDC_APPLICATION_SELECTOR,
        CBS_DROPDOWNLIST | CBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP, dropHeight);
    SetHeight(kBarHeight);
    return m_selector != nullptr;
}
