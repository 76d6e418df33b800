// CToolBar over the common toolbar control: buttons, images, separators, embedded controls, states.
#include "tool_bar.h"

#include <commctrl.h>

#include "cmd_ui.h"
#include "module.h"

namespace {

// The state of one toolbar button, as an update handler sets it.
class CToolCmdUI : public CCmdUI {
public:
    void Enable(bool on) override
    {
        m_enableChanged = true;
        m_enabled = on;
        SendMessageA(m_pOther, TB_ENABLEBUTTON, m_nID, MAKELONG(on ? TRUE : FALSE, 0));
    }
    void SetCheck(int check) override
    {
        SendMessageA(m_pOther, TB_CHECKBUTTON, m_nID, MAKELONG(check ? TRUE : FALSE, 0));
        SendMessageA(m_pOther, TB_INDETERMINATE, m_nID, MAKELONG(check == 2 ? TRUE : FALSE, 0));
    }
    void SetText(const std::string&) override { }
};

}  // namespace

CToolBar::~CToolBar()
{
    if (m_images)
        ImageList_Destroy(m_images);
}

const MessageMap& CToolBar::GetMessageMap() const
{
    static const MessageMap map(CControlBar::GetMessageMap(),
        {
            on::EraseBackground(&CToolBar::OnEraseBackground),
        });
    return map;
}

bool CToolBar::Create(CWnd* parent, DWORD style, UINT id)
{
    if (!RegisterBarClasses())
        return false;
    m_alignTop = true;
    DWORD barStyle =
        style | WS_CHILD | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    if (!CreateEx(0, TOOLBARCLASSNAMEA, "", barStyle, RECT {0, 0, 100, 30}, parent ? parent->m_hWnd : nullptr, id))
        return false;
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON));
    SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(m_imageSize.cx, m_imageSize.cy));
    SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(m_buttonSize.cx, m_buttonSize.cy));
    return true;
}

void CToolBar::SetSizes(SIZE button, SIZE image)
{
    m_buttonSize = button;
    m_imageSize = image;
    if (m_hWnd) {
        SendMessage(TB_SETBITMAPSIZE, 0, MAKELONG(image.cx, image.cy));
        SendMessage(TB_SETBUTTONSIZE, 0, MAKELONG(button.cx, button.cy));
    }
}

bool CToolBar::LoadBitmap(UINT bitmapId)
{
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(bitmapId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (!bitmap)
        return false;
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    const int count = m_imageSize.cx > 0 ? info.bmWidth / m_imageSize.cx : 0;
    // The strip's classic face grey becomes the mask: the buttons then show the system's face
    // colour around each picture, and a disabled button is drawn from the picture's shape
    // rather than as a grey square.
    HIMAGELIST images = ImageList_Create(m_imageSize.cx, m_imageSize.cy, ILC_COLOR24 | ILC_MASK, count, 0);
    const bool added = images && count > 0 && ImageList_AddMasked(images, bitmap, kStripFaceGrey) >= 0;
    DeleteObject(bitmap);
    if (!added) {
        if (images)
            ImageList_Destroy(images);
        return false;
    }
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    if (m_images)
        ImageList_Destroy(m_images);
    m_images = images;
    return true;
}

bool CToolBar::SetButtons(const UINT* ids, int count)
{
    while (SendMessage(TB_BUTTONCOUNT) > 0)
        SendMessage(TB_DELETEBUTTON, 0);
    std::vector<TBBUTTON> buttons(static_cast<size_t>(count));
    int image = 0;
    for (int index = 0; index < count; ++index) {
        TBBUTTON& button = buttons[static_cast<size_t>(index)];
        button.idCommand = static_cast<int>(ids[index]);
        button.fsState = TBSTATE_ENABLED;
        if (ids[index] == ID_SEPARATOR) {
            button.fsStyle = BTNS_SEP;
            button.iBitmap = 6;
        } else {
            button.fsStyle = BTNS_BUTTON;
            button.iBitmap = image++;
        }
    }
    return SendMessage(TB_ADDBUTTONSA, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(buttons.data())) != 0;
}

void CToolBar::SetSeparatorWidth(int index, int width, UINT placeId)
{
    TBBUTTONINFOA info = {};
    info.cbSize = sizeof info;
    // A separator with a command id is a place for a control: no line is drawn across it.
    info.dwMask = TBIF_BYINDEX | TBIF_STYLE | TBIF_SIZE | TBIF_COMMAND;
    info.idCommand = static_cast<int>(placeId);
    info.fsStyle = BTNS_SEP;
    info.cx = static_cast<WORD>(width);
    SendMessage(TB_SETBUTTONINFOA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&info));
}

HWND CToolBar::AddComboBox(int index, int width, UINT comboId, DWORD style, int dropHeight)
{
    SetSeparatorWidth(index, width, comboId);
    RECT place = GetItemRect(index);
    HWND combo = CreateWindowExA(0, "COMBOBOX", "", style | WS_CHILD | WS_VISIBLE, place.left, place.top, width,
        dropHeight, m_hWnd, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(comboId)), ModuleInstance(), nullptr);
    if (!combo)
        return nullptr;
    ::SendMessageA(combo, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    // Stand in the middle of the buttons' height.
    RECT closed = {};
    ::GetWindowRect(combo, &closed);
    int top = place.top + ((place.bottom - place.top) - (closed.bottom - closed.top)) / 2;
    SetWindowPos(combo, nullptr, place.left, top > place.top ? top : place.top, 0, 0,
        SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    m_controls.push_back(combo);
    return combo;
}

bool CToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // An embedded control's notification belongs to the frame, like the buttons' commands.
    if (lParam) {
        ::SendMessageA(GetParent(), WM_COMMAND, wParam, lParam);
        return true;
    }
    return CControlBar::OnCommand(wParam, lParam);
}

BOOL CToolBar::OnEraseBackground(HDC dc)
{
    // A flat toolbar would show its frame's background; bars are drawn in the button face.
    RECT client = GetClientRect();
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return TRUE;
}

int CToolBar::GetButtonCount() const
{
    return static_cast<int>(SendMessage(TB_BUTTONCOUNT));
}

int CToolBar::CommandToIndex(UINT id) const
{
    return static_cast<int>(SendMessage(TB_COMMANDTOINDEX, id));
}

UINT CToolBar::GetItemID(int index) const
{
    TBBUTTON button = {};
    if (!SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)))
        return 0;
    return (button.fsStyle & BTNS_SEP) ? ID_SEPARATOR : static_cast<UINT>(button.idCommand);
}

RECT CToolBar::GetItemRect(int index) const
{
    RECT rect = {};
    SendMessage(TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
    return rect;
}

bool CToolBar::IsButtonEnabled(UINT id) const
{
    return SendMessage(TB_ISBUTTONENABLED, id) != 0;
}

bool CToolBar::IsButtonChecked(UINT id) const
{
    return SendMessage(TB_ISBUTTONCHECKED, id) != 0;
}

int CToolBar::CalcHeight() const
{
    return m_height > 0 ? m_height : m_buttonSize.cy + 6;
}

void CToolBar::OnUpdateCmdUI(CCmdTarget& target, bool disableIfNoHandler)
{
    int count = GetButtonCount();
    for (int index = 0; index < count; ++index) {
        UINT id = GetItemID(index);
        if (id == ID_SEPARATOR)
            continue;
        CToolCmdUI ui;
        ui.m_nID = id;
        ui.m_nIndex = static_cast<UINT>(index);
        ui.m_pOther = m_hWnd;
        ui.DoUpdate(target, disableIfNoHandler);
    }
}
