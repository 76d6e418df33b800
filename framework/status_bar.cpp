// CStatusBar over the common status control: panes, their widths and their idle update.
#include "status_bar.h"

#include <commctrl.h>

#include "cmd_ui.h"
#include "module.h"

namespace {

// The text and enabled state of one indicator pane, as an update handler sets them.
class CStatusCmdUI : public CCmdUI {
public:
    CStatusBar* bar = nullptr;
    void Enable(bool on) override
    {
        m_enableChanged = true;
        m_enabled = on;
        bar->SetPaneEnabled(static_cast<int>(m_nIndex), on);
    }
    void SetCheck(int) override { }
    void SetText(const std::string& text) override { bar->SetPaneText(static_cast<int>(m_nIndex), text); }
};

std::string IndicatorText(UINT id)
{
    std::string text = LoadResString(id);
    if (!text.empty())
        return text;
    switch (id) {
    case ID_INDICATOR_CAPS: return "CAP";
    case ID_INDICATOR_NUM: return "NUM";
    case ID_INDICATOR_SCRL: return "SCRL";
    default: return {};
    }
}

}  // namespace

const MessageMap& CStatusBar::GetMessageMap() const
{
    static const MessageMap map(CControlBar::GetMessageMap(),
        {
            on::Size(&CStatusBar::OnSize),
        });
    return map;
}

bool CStatusBar::Create(CWnd* parent, DWORD style, UINT id)
{
    if (!RegisterBarClasses())
        return false;
    m_alignTop = false;
    return CreateEx(0, STATUSCLASSNAMEA, "", style | WS_CHILD | CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_BOTTOM,
        RECT {0, 0, 100, 20}, parent ? parent->m_hWnd : nullptr, id);
}

int CStatusBar::MeasureText(const std::string& text) const
{
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ old = SelectObject(dc, GetFont() ? static_cast<HGDIOBJ>(GetFont()) : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(m_hWnd, dc);
    return size.cx + 8;
}

bool CStatusBar::SetIndicators(const UINT* ids, int count)
{
    m_panes.clear();
    for (int index = 0; index < count; ++index) {
        UINT id = ids[index];
        std::string text = id == ID_SEPARATOR ? std::string() : IndicatorText(id);
        m_panes.push_back(Pane {id, id == ID_SEPARATOR ? 0 : MeasureText(text), text, true});
    }
    LayoutPanes();
    for (int index = 0; index < count; ++index)
        ShowPane(index);
    return true;
}

void CStatusBar::SetPaneInfo(int index, UINT id, int width)
{
    if (index < 0 || index >= GetCount())
        return;
    m_panes[static_cast<size_t>(index)].id = id;
    m_panes[static_cast<size_t>(index)].width = width;
    LayoutPanes();
}

int CStatusBar::GetPaneWidth(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].width : 0;
}

void CStatusBar::LayoutPanes()
{
    if (!m_hWnd || m_panes.empty())
        return;
    RECT client = GetClientRect();
    // Every pane but the message pane keeps its width; the message pane takes the rest.
    int fixed = 0;
    for (const Pane& pane : m_panes)
        fixed += pane.id == ID_SEPARATOR ? 0 : pane.width;
    int stretch = client.right - fixed;
    std::vector<int> edges;
    int right = 0;
    for (const Pane& pane : m_panes) {
        right += pane.id == ID_SEPARATOR ? (stretch > 0 ? stretch : 0) : pane.width;
        edges.push_back(right);
    }
    edges.back() = -1;
    SendMessage(SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
}

void CStatusBar::ShowPane(int index)
{
    const Pane& pane = m_panes[static_cast<size_t>(index)];
    std::string shown = pane.enabled ? pane.text : std::string();
    SendMessage(SB_SETTEXTA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(shown.c_str()));
}

void CStatusBar::SetPaneText(int index, const std::string& text)
{
    if (index < 0 || index >= GetCount())
        return;
    Pane& pane = m_panes[static_cast<size_t>(index)];
    if (pane.text == text)
        return;  // idle updates repeat themselves; repainting unchanged text would flicker
    pane.text = text;
    ShowPane(index);
}

void CStatusBar::SetPaneEnabled(int index, bool enabled)
{
    if (index < 0 || index >= GetCount())
        return;
    Pane& pane = m_panes[static_cast<size_t>(index)];
    if (pane.enabled == enabled)
        return;
    pane.enabled = enabled;
    ShowPane(index);
}

std::string CStatusBar::GetPaneText(int index) const
{
    if (index < 0 || index >= GetCount())
        return {};
    const Pane& pane = m_panes[static_cast<size_t>(index)];
    return pane.enabled ? pane.text : std::string();
}

int CStatusBar::CommandToIndex(UINT id) const
{
    for (size_t index = 0; index < m_panes.size(); ++index) {
        if (m_panes[index].id == id)
            return static_cast<int>(index);
    }
    return -1;
}

UINT CStatusBar::GetItemID(int index) const
{
    return index >= 0 && index < GetCount() ? m_panes[static_cast<size_t>(index)].id : 0;
}

int CStatusBar::CalcHeight() const
{
    HDC dc = GetDC(m_hWnd);
    HGDIOBJ old = SelectObject(dc, GetFont() ? static_cast<HGDIOBJ>(GetFont()) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(m_hWnd, dc);
    return metrics.tmHeight + 8;
}

void CStatusBar::OnSize(UINT, int, int)
{
    Default();
    LayoutPanes();
}

void CStatusBar::OnUpdateCmdUI(CCmdTarget& target, bool)
{
    for (size_t index = 0; index < m_panes.size(); ++index) {
        if (m_panes[index].id == ID_SEPARATOR)
            continue;
        CStatusCmdUI ui;
        ui.bar = this;
        ui.m_nID = m_panes[index].id;
        ui.m_nIndex = static_cast<UINT>(index);
        ui.m_pOther = m_hWnd;
        // Panes without a handler keep their text: they are not commands.
        ui.DoUpdate(target, false);
    }
}
