// CScanTreePane: the left pane, the tree of what can be scanned: "My Computer" with the drives
// and folders, "Entire Network" with providers, servers and shares, and "Lotus Notes" with the
// mailboxes when the mail agent is connected. It owns the drive watcher.
#pragma once

#include <functional>
#include <map>
#include <memory>

#include "drive_watcher.h"
#include "network_logon.h"
#include "panel_mail_hooks.h"
#include "network_listing.h"
#include "network_provider.h"
#include "scan_tree_node.h"
#include "tree_ctrl.h"
#include "wnd_list.h"

class CScanTreePane : public CWndList {
public:
    static constexpr UINT kTreeId = 100;

    CScanTreePane(NetworkProvider& network, const PanelMailHooks& mail);

    bool CreatePane(CWnd* parent, UINT id);
    // The roots; "My Computer" is listed and expanded at once; `mailConnected` adds "Lotus Notes".
    void InsertRoots(bool mailConnected);

    // Reads the drives again (the watcher is held meanwhile and its watches are made anew).
    void RefreshDrives();
    // Re-lists every listed folder of the drive (the watcher's message), quietly.
    void RefreshDrive(char letter);
    // After the options sheet: the drives and the file list again.
    void Refresh();
    // Lists the node's children when it has not been yet; `quiet` shows no network errors.
    void Fill(ScanTreeNode& node, bool quiet = false);
    // Before a scan: the shares of every selected server whose shares were never listed.
    void FillSelectedServers();

    // A double click: the node's whole subtree changes and the nodes above show it.
    void Toggle(ScanTreeNode& node);
    // The state images of `node`'s subtree and of the nodes above it follow their states.
    void ShowStates(ScanTreeNode& node);

    ScanTreeNode* SelectedNode() const;
    ScanTreeNode* NodeOfItem(HTREEITEM item) const;
    ScanTreeNode* Computer() const { return m_computer.get(); }
    ScanTreeNode* NetworkRoot() const { return m_networkRoot.get(); }
    ScanTreeNode* MailRoot() const { return m_mailRoot.get(); }
    ScanTreeNode* DriveNode(char letter) const;
    CTreeCtrl& Tree() { return m_tree; }
    CDriveWatcher& Watcher() { return m_watcher; }

    // The file list follows the node shown (also after a refresh of its drive).
    void SetShowNode(std::function<void(ScanTreeNode*)> show) { m_showNode = std::move(show); }
    // Where the context menu's commands go.
    void SetCommandSink(std::function<void(UINT)> sink) { m_commandSink = std::move(sink); }
    void SetCredentialsPrompt(CredentialsPrompt prompt) { m_credentials = std::move(prompt); }

    const MessageMap& GetMessageMap() const override;

protected:
    LRESULT OnItemExpanding(NMHDR& header);
    LRESULT OnSelectionChanged(NMHDR& header);
    LRESULT OnDoubleClick(NMHDR& header);
    LRESULT OnRightClick(NMHDR& header);
    LRESULT OnKeyDown(NMHDR& header);
    LRESULT OnDriveChanged(WPARAM letter, LPARAM);
    void OnDestroy();

private:
    ScanTreeNode* AddRoot(std::unique_ptr<ScanTreeNode>& slot, int kind, int image, UINT nameId);
    HTREEITEM InsertItem(ScanTreeNode& node, HTREEITEM after);
    void InsertChildren(ScanTreeNode& node, const scan_tree::MergeResult& merged, bool sorted);
    void SetExpandable(ScanTreeNode& node, bool expandable);
    void FillComputer();
    void FillFolder(ScanTreeNode& node);
    void FillNetwork(ScanTreeNode& node, bool quiet);
    void FillMail(ScanTreeNode& node);
    void RefreshFilled(ScanTreeNode& node);
    void ShowSubtree(ScanTreeNode& node);
    void ShowNodeState(const ScanTreeNode& node);
    ScanTreeNode* NodeAt(POINT screen) const;
    void ShowNetworkError(DWORD error) const;

    NetworkProvider& m_network;
    const PanelMailHooks& m_mail;
    CTreeCtrl m_tree;
    HIMAGELIST m_images = nullptr;
    HIMAGELIST m_stateImages = nullptr;
    std::unique_ptr<ScanTreeNode> m_computer, m_networkRoot, m_mailRoot;
    std::map<const ScanTreeNode*, NetResourceCopy> m_netEntries;
    std::map<char, UINT> m_driveTypes;
    CDriveWatcher m_watcher;
    CredentialsPrompt m_credentials;
    std::function<void(ScanTreeNode*)> m_showNode;
    std::function<void(UINT)> m_commandSink;
    bool m_refreshing = false;
};
