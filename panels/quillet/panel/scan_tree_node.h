// ScanTreeNode: one node of the Local Scanner's tree (a drive, a folder, a server, a mailbox) with
// its own selection state, the summary of what lies below it and the effective state a scan reads.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

enum ScanNodeKind : int {
    kNodeRoot = 1,  // "My Computer", "Entire Network"
    kNodeDrive = 2,
    kNodeServer = 3,
    kNodeShare = 4,
    kNodeProvider = 7,
    kNodeMailRoot = 9,
    kNodeMailbox = 10,
    kNodeDirectory = 101,
};

// Images of the tree's image list.
enum ScanNodeImage : int {
    kImageComputer = 0,
    kImageNetwork = 1,
    kImageProvider = 2,
    kImageCdRom = 3,
    kImageFixed = 4,
    kImageRemovable = 5,
    kImageRemote = 6,
    kImageServer = 7,
    kImageOtherDrive = 8,
    kImageRamDisk = 9,
    kImageDirectory = 10,
    kImageShare = 11,
    kImageMailbox = 12,
    kImageMailRoot = 16,
    kImageCount = 17,
};

// Selection states; a summary of 3 means nothing below is known.
enum : int { kUnselected = 0, kSelected = 1, kPartlySelected = 2, kNothingBelow = 3 };

struct ScanTreeNode {
    int kind = kNodeDirectory;
    int image = kImageDirectory;
    std::string name;  // as the tree shows it
    // The path the node stands for: "C:\", "\\SERVER\", "\\SERVER\DATA\", "C:\DOCS\"; empty for roots.
    std::string path;
    int state = kUnselected;
    int summary = kNothingBelow;
    // Files of this folder whose selection differs from the folder's own state, upper case.
    std::set<std::string> fileExceptions;
    bool filled = false;  // children have been listed
    bool expandable = true;  // the tree shows a button before the children are listed
    std::uintptr_t item = 0;  // the tree control's handle of the node
    ScanTreeNode* parent = nullptr;
    std::vector<std::unique_ptr<ScanTreeNode>> children;

    ScanTreeNode* FindChild(const std::string& childName) const;
    // A new child that starts with this node's own state (a folder under a ticked drive is ticked).
    ScanTreeNode& AddChild(int childKind, int childImage, const std::string& childName, const std::string& childPath);
};

namespace scan_tree {

// Its own state when the summary is 3 or equals it, 2 (partly selected) otherwise.
int EffectiveState(const ScanTreeNode& node);
// The summary of the children's effective states and of the folder's excepted files.
int ComputeSummary(const ScanTreeNode& node);
// Recomputes the summaries of `node` and of every node above it.
void UpdateSummaries(ScanTreeNode& node);
// Gives `node` and everything known below it the state (their excepted files are dropped).
void SetState(ScanTreeNode& node, int state);
// A double click on a node: a fully selected node and its subtree are deselected, anything else
// (unselected or partly selected) is selected with its whole subtree.
void ToggleNode(ScanTreeNode& node);
// Whether a file of the folder is selected: the folder's own state unless the file is excepted.
bool FileSelected(const ScanTreeNode& folder, const std::string& fileName);
// A double click on a file in the folder's list.
void ToggleFile(ScanTreeNode& folder, const std::string& fileName);
// The path of a folder `name` below `parent`: the parent's path, the name and a "\".
std::string ChildPath(const std::string& parentPath, const std::string& name);
struct MergeResult {
    std::vector<ScanTreeNode*> added;
    std::vector<std::uintptr_t> removedItems;  // tree items of the children no longer listed
};
// Makes the node's children those named (in that order): known ones keep their state and their
// subtrees, new ones start with the node's own state.
MergeResult MergeChildren(ScanTreeNode& node, const std::vector<std::string>& names, int childKind, int childImage);
// Upper case, as file names are compared.
std::string Upper(const std::string& text);

}  // namespace scan_tree
