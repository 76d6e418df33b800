// ScanTreeNode: the selection states, their summaries and the merging of a refreshed listing.
#include "scan_tree_node.h"

#include <algorithm>
#include <cctype>
#include <map>

ScanTreeNode* ScanTreeNode::FindChild(const std::string& childName) const
{
    const std::string wanted = scan_tree::Upper(childName);
    for (const auto& child : children)
        if (scan_tree::Upper(child->name) == wanted)
            return child.get();
    return nullptr;
}

ScanTreeNode& ScanTreeNode::AddChild(
    int childKind, int childImage, const std::string& childName, const std::string& childPath)
{
    auto child = std::make_unique<ScanTreeNode>();
    child->kind = childKind;
    child->image = childImage;
    child->name = childName;
    child->path = childPath;
    child->state = state;
    child->parent = this;
    children.push_back(std::move(child));
    return *children.back();
}

namespace scan_tree {

std::string Upper(const std::string& text)
{
    std::string upper = text;
    std::transform(upper.begin(), upper.end(), upper.begin(),
        [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return upper;
}

int EffectiveState(const ScanTreeNode& node)
{
    if (node.summary == kNothingBelow || node.summary == node.state)
        return node.state;
    return kPartlySelected;
}

int ComputeSummary(const ScanTreeNode& node)
{
    int summary = kNothingBelow;
    auto add = [&summary](int value) {
        if (summary == kNothingBelow)
            summary = value;
        else if (summary != value)
            summary = kPartlySelected;
    };
    for (const auto& child : node.children)
        add(EffectiveState(*child));
    // Excepted files hold the state opposite to the folder's own.
    if (!node.fileExceptions.empty())
        add(node.state == kSelected ? kUnselected : kSelected);
    return summary;
}

void UpdateSummaries(ScanTreeNode& node)
{
    for (ScanTreeNode* at = &node; at; at = at->parent)
        at->summary = ComputeSummary(*at);
}

namespace {

void SetSubtree(ScanTreeNode& node, int state)
{
    node.state = state;
    node.fileExceptions.clear();
    for (const auto& child : node.children)
        SetSubtree(*child, state);
    node.summary = ComputeSummary(node);
}

}  // namespace

void SetState(ScanTreeNode& node, int state)
{
    SetSubtree(node, state);
    if (node.parent)
        UpdateSummaries(*node.parent);
}

void ToggleNode(ScanTreeNode& node)
{
    SetState(node, EffectiveState(node) == kSelected ? kUnselected : kSelected);
}

bool FileSelected(const ScanTreeNode& folder, const std::string& fileName)
{
    const bool excepted = folder.fileExceptions.count(Upper(fileName)) != 0;
    return (folder.state == kSelected) != excepted;
}

void ToggleFile(ScanTreeNode& folder, const std::string& fileName)
{
    const std::string key = Upper(fileName);
    if (!folder.fileExceptions.erase(key))
        folder.fileExceptions.insert(key);
    UpdateSummaries(folder);
}

std::string ChildPath(const std::string& parentPath, const std::string& name)
{
    if (parentPath.empty() || parentPath.back() == '\\')
        return parentPath + name + "\\";
    return parentPath + "\\" + name + "\\";
}

MergeResult MergeChildren(ScanTreeNode& node, const std::vector<std::string>& names, int childKind, int childImage)
{
    std::map<std::string, std::unique_ptr<ScanTreeNode>> known;
    for (auto& child : node.children)
        known[Upper(child->name)] = std::move(child);
    node.children.clear();
    MergeResult result;
    for (const std::string& name : names) {
        auto found = known.find(Upper(name));
        if (found != known.end() && found->second) {
            node.children.push_back(std::move(found->second));
            continue;
        }
        result.added.push_back(&node.AddChild(childKind, childImage, name, ChildPath(node.path, name)));
    }
    for (const auto& [name, child] : known)
        if (child)
            result.removedItems.push_back(child->item);
    node.filled = true;
    UpdateSummaries(node);
    return result;
}

}  // namespace scan_tree
