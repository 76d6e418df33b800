// COptionsPage: the "Options" page of the options sheet: what is scanned, the action, the scan type.
#pragma once

#include <functional>

#include "local_scan_options.h"
#include "property_page.h"

class CCmdUI;

class COptionsPage : public CPropertyPage {
public:
    // `filesChanged` is told the new state whenever "Files" is clicked (the sheet rebuilds its pages).
    COptionsPage(LocalScanOptions& options, std::function<void(bool)> filesChanged);

    BOOL OnSetActive() override;
    // Boot sector or files, the Reviewer warning, then the rename extension; any refusal keeps the page.
    BOOL OnKillActive() override;
    const MessageMap& GetMessageMap() const override;

private:
    void OnFilesClicked();
    void OnUpdateRename(CCmdUI& ui);
    void OnUpdateMove(CCmdUI& ui);
    int SelectedAction() const;

    LocalScanOptions& m_options;
    std::function<void(bool)> m_filesChanged;
};
