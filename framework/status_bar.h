// CStatusBar: a message pane and indicator panes whose texts are updated at idle time.
#pragma once

#include <string>
#include <vector>

#include "control_bar.h"
#include "framework_ids.h"

class CStatusBar : public CControlBar {
public:
    bool Create(CWnd* parent, DWORD style = WS_CHILD | WS_VISIBLE, UINT id = AFX_IDW_STATUS_BAR);
    // The panes in order: ID_SEPARATOR is the stretching message pane; any other id is an
    // indicator whose text comes from the string table (CAP, NUM and SCRL have defaults)
    // and whose width fits that text.
    bool SetIndicators(const UINT* ids, int count);
    void SetPaneInfo(int index, UINT id, int width);
    int GetPaneWidth(int index) const;
    void SetPaneText(int index, const std::string& text);
    std::string GetPaneText(int index) const;
    int CommandToIndex(UINT id) const;
    UINT GetItemID(int index) const;
    int GetCount() const { return static_cast<int>(m_panes.size()); }
    // Width in pixels of `text` in the bar's font, with the pane's margins.
    int MeasureText(const std::string& text) const;
    // Sets the pane widths into the control after a size change.
    void LayoutPanes();

    int CalcHeight() const override;
    void OnUpdateCmdUI(CCmdTarget& target, bool disableIfNoHandler) override;
    const MessageMap& GetMessageMap() const override;

    struct Pane {
        UINT id;
        int width;
        std::string text;
        bool enabled;
    };
    void SetPaneEnabled(int index, bool enabled);

protected:
    void OnSize(UINT, int, int);

private:
    void ShowPane(int index);
    std::vector<Pane> m_panes;
};
