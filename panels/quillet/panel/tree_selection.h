// TreeSelection: what of the disk a scan over the tree's selection visits: the top-level paths
// and, below each, which folders and files the walk takes, decided by the nodes' states.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "scan_tree_node.h"

class TreeSelection {
public:
    // The selection under the "My Computer" and "Entire Network" roots (either may be null).
    TreeSelection(const ScanTreeNode* computer, const ScanTreeNode* network);

    // Drives and shares whose effective state is not 0, in tree order.
    const std::vector<std::string>& Paths() const { return m_paths; }
    // An entry of `directory` met by the walk: whether it is visited. Folders the tree does not
    // know lie inside a selected folder (the walk never enters others) and are taken whole.
    bool Includes(const std::string& directory, const std::string& name, bool isDirectory) const;

private:
    void AddNode(const ScanTreeNode& node);
    void AddShares(const ScanTreeNode& container);
    static std::string Key(const std::string& path);

    std::vector<std::string> m_paths;
    std::map<std::string, const ScanTreeNode*> m_nodes;
};

// The mailboxes under the mail root whose effective state is not 0; `all` is the agent's list,
// used when the root was never expanded.
std::vector<std::string> SelectedMailboxes(const ScanTreeNode& mailRoot, const std::vector<std::string>& all);
