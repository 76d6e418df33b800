// CFileListPane: the right pane, the files of the folder selected in the tree, each with its
// kind's icon and its selection; the scan's progress form takes the list's place during a scan.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "drive_listing.h"
#include "file_list_kind.h"
#include "scan_tree_node.h"
#include "wnd_list.h"

class CFileListPane : public CWndList {
public:
    static constexpr UINT kListId = 101;

    bool CreatePane(CWnd* parent, UINT id);

    // Lists the folder's files that a scan would look at; null or a node without a folder: empty.
    void Show(ScanTreeNode* folder, const FileKindRules& rules);
    // The list's marks follow the folder's selection again.
    void ShowStates();
    // Shows the progress form (the alternate content) in place of the list, or the list again.
    void ShowProgress(bool progress);

    struct Row {
        FileEntry file;
        FileListKind kind;
    };
    const std::vector<Row>& Rows() const { return m_rows; }
    ScanTreeNode* Folder() const { return m_folder; }
    HWND List() const { return m_list; }
    // A double click (or Select/Deselect) on a row: the file's selection changes.
    void ToggleRow(int index);
    void SetView(DWORD viewStyle);

    // The tree shows the folder's new state after a file changed.
    void SetFileToggled(std::function<void(ScanTreeNode&)> toggled) { m_fileToggled = std::move(toggled); }

    const MessageMap& GetMessageMap() const override;

protected:
    LRESULT OnGetDisplayInfo(NMHDR& header);
    LRESULT OnDoubleClick(NMHDR& header);
    LRESULT OnRightClick(NMHDR& header);
    void OnDestroy();

private:
    void AddColumns();
    // The state image of a row: its file's selection.
    UINT RowMark(size_t index) const;
    void ShowRowState(size_t index);
    int RowAt(POINT screen) const;

    HWND m_list = nullptr;
    HIMAGELIST m_images = nullptr;
    HIMAGELIST m_stateImages = nullptr;
    ScanTreeNode* m_folder = nullptr;
    std::vector<Row> m_rows;
    std::string m_text;  // the text handed to the list for the cell it asked for
    std::function<void(ScanTreeNode&)> m_fileToggled;
};
