// CFileTypesPage: the "File Types" page: which files are scanned and the three extension lists.
#pragma once

#include "local_scan_options.h"
#include "property_page.h"

class CCmdUI;

class CFileTypesPage : public CPropertyPage {
public:
    enum List { kExecutables, kArchives, kMailDatabases, kListCount };

    // `withMailDatabases` picks the layout with the "Lotus Notes Databases" group; the other hides it.
    CFileTypesPage(LocalScanOptions& options, bool withMailDatabases);

    BOOL OnSetActive() override;
    // Each list's entries (at most twenty) go back into the record's zero-filled array.
    BOOL OnKillActive() override;
    const MessageMap& GetMessageMap() const override;

    // Add and Delete of one list, as its buttons and its Insert and Delete keys do them.
    void AddExtension(List list);
    void DeleteExtension(List list);

private:
    struct ListControls {
        int list, label, add, remove;
        int switchId;  // the check box (or the combo box) that turns the list on
    };
    static const ListControls kControls[kListCount];

    bool ListActive(List list) const;
    int EntryCount(List list) const;
    static List ListOf(UINT controlId);

    void OnAddClicked(UINT id);
    void OnDeleteClicked(UINT id);
    void OnUpdateListControl(CCmdUI& ui);
    LRESULT OnVKeyToItem(WPARAM wParam, LPARAM lParam);

    LocalScanOptions& m_options;
};
