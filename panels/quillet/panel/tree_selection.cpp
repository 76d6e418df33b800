// TreeSelection: the drive and share paths of the selection and the per-folder decisions.
#include "tree_selection.h"

using scan_tree::EffectiveState;

TreeSelection::TreeSelection(const ScanTreeNode* computer, const ScanTreeNode* network)
{
    if (computer && EffectiveState(*computer) != kUnselected)
        for (const auto& drive : computer->children)
            if (EffectiveState(*drive) != kUnselected) {
                m_paths.push_back(drive->path);
                AddNode(*drive);
            }
    if (network && EffectiveState(*network) != kUnselected)
        AddShares(*network);
}

void TreeSelection::AddShares(const ScanTreeNode& container)
{
    // Providers hold domains or servers, domains servers, servers shares: only shares are
    // paths the walk can open, at whatever depth they lie.
    for (const auto& child : container.children) {
        if (EffectiveState(*child) == kUnselected)
            continue;
        if (child->kind == kNodeShare) {
            m_paths.push_back(child->path);
            AddNode(*child);
        } else {
            AddShares(*child);
        }
    }
}

std::string TreeSelection::Key(const std::string& path)
{
    std::string key = scan_tree::Upper(path);
    while (!key.empty() && (key.back() == '\\' || key.back() == '/'))
        key.pop_back();
    for (char& c : key)
        if (c == '/')
            c = '\\';
    return key;
}

void TreeSelection::AddNode(const ScanTreeNode& node)
{
    m_nodes[Key(node.path)] = &node;
    for (const auto& child : node.children)
        if (EffectiveState(*child) != kUnselected)
            AddNode(*child);
}

bool TreeSelection::Includes(const std::string& directory, const std::string& name, bool isDirectory) const
{
    const auto found = m_nodes.find(Key(directory));
    if (found == m_nodes.end())
        return true;
    const ScanTreeNode& folder = *found->second;
    if (!isDirectory)
        return scan_tree::FileSelected(folder, name);
    if (const ScanTreeNode* child = folder.FindChild(name))
        return EffectiveState(*child) != kUnselected;
    // A folder the tree has not listed yet follows its parent's own state.
    return folder.state == kSelected;
}

std::vector<std::string> SelectedMailboxes(const ScanTreeNode& mailRoot, const std::vector<std::string>& all)
{
    if (EffectiveState(mailRoot) == kUnselected)
        return {};
    if (!mailRoot.filled)
        return mailRoot.state == kSelected ? all : std::vector<std::string> {};
    std::vector<std::string> chosen;
    for (const auto& mailbox : mailRoot.children)
        if (EffectiveState(*mailbox) != kUnselected)
            chosen.push_back(mailbox->name);
    return chosen;
}
