// Times the Local Scanner panel: the file list of a folder of 10,000 files, and the tree
// listing a folder of 2,000 folders (a drive's root is listed by the same code).
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "bench_clock.h"
#include "plugin_protocol.h"
#include "quillet_fakes.h"
#include "quillet_frame_wnd.h"
#include "quillet_plugin.h"
#include "test_panel_host.h"

namespace {

constexpr int kFiles = 10000;
constexpr int kFolders = 2000;
constexpr int kRounds = 5;
const std::string kRoot = "C:\\QPNLBENC";

CExtensionApp g_app("QUILLET");

void MakeCorpus()
{
    CreateDirectoryA(kRoot.c_str(), nullptr);
    CreateDirectoryA((kRoot + "\\FILES").c_str(), nullptr);
    CreateDirectoryA((kRoot + "\\TREE").c_str(), nullptr);
    for (int i = 0; i < kFiles; ++i) {
        const std::string path = kRoot + "\\FILES\\F" + std::to_string(i) + (i % 3 ? ".TXT" : ".EXE");
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            std::ofstream(path, std::ios::binary) << "bench file\r\n";
    }
    for (int i = 0; i < kFolders; ++i)
        CreateDirectoryA((kRoot + "\\TREE\\D" + std::to_string(i)).c_str(), nullptr);
}

void RemoveCorpus()
{
    for (int i = 0; i < kFiles; ++i)
        DeleteFileA((kRoot + "\\FILES\\F" + std::to_string(i) + (i % 3 ? ".TXT" : ".EXE")).c_str());
    for (int i = 0; i < kFolders; ++i)
        RemoveDirectoryA((kRoot + "\\TREE\\D" + std::to_string(i)).c_str());
    RemoveDirectoryA((kRoot + "\\FILES").c_str());
    RemoveDirectoryA((kRoot + "\\TREE").c_str());
    RemoveDirectoryA(kRoot.c_str());
}

class BenchQuillet : public QuilletPlugin {
public:
    BenchQuillet(FakeEngine& engine, FakeArchive& archive, FakeFilters& filters)
        : QuilletPlugin(g_app, QuilletServices {engine, archive, filters})
    {
    }

protected:
    std::string TemporaryDirectory() const override { return "C:\\TEMP"; }
};

}  // namespace

int main()
{
    MakeCorpus();
    TestPanelHost host;
    FakeEngine engine;
    FakeArchive archive;
    FakeFilters filters;
    BenchQuillet plugin(engine, archive, filters);
    plugin.HandleMessage(host.Window(), panel_protocol::kInitialise, 0, 0);
    plugin.HandleMessage(host.Window(), panel_protocol::kOpen, 0, 0);
    PumpWaitingMessages();
    CQuilletFrameWnd* frame = plugin.PanelFrame();
    if (!frame) {
        std::printf("no panel\n");
        return 1;
    }
    CScanTreePane& tree = *frame->TreePane();
    ScanTreeNode* c = tree.DriveNode('C');
    if (!c) {
        std::printf("no drive C:\n");
        return 1;
    }
    tree.Fill(*c);
    ScanTreeNode* root = c->FindChild("QPNLBENC");
    if (!root) {
        std::printf("no folder %s\n", kRoot.c_str());
        return 1;
    }
    tree.Fill(*root);
    ScanTreeNode* files = root->FindChild("FILES");
    ScanTreeNode* folders = root->FindChild("TREE");
    double listWorst = 0, listTotal = 0, treeWorst = 0, treeTotal = 0;
    size_t rows = 0, children = 0;
    for (int round = 0; round < kRounds; ++round) {
        double before, after;
        // The file list: the folder selected, listed and painted.
        tree.Tree().SelectItem(reinterpret_cast<HTREEITEM>(root->item));
        PumpWaitingMessages();
        before = BenchMilliseconds();
        tree.Tree().SelectItem(reinterpret_cast<HTREEITEM>(files->item));
        UpdateWindow(frame->FilePane()->List());
        PumpWaitingMessages();
        after = BenchMilliseconds();
        rows = frame->FilePane()->Rows().size();
        const double list = after - before;
        listTotal += list;
        listWorst = list > listWorst ? list : listWorst;

        // The tree: the folder of folders listed afresh and opened.
        tree.Tree().Expand(reinterpret_cast<HTREEITEM>(folders->item), TVE_COLLAPSE | TVE_COLLAPSERESET);
        for (const auto& child : folders->children)
            tree.Tree().DeleteItem(reinterpret_cast<HTREEITEM>(child->item));
        folders->children.clear();
        folders->filled = false;
        PumpWaitingMessages();
        before = BenchMilliseconds();
        tree.Tree().Expand(reinterpret_cast<HTREEITEM>(folders->item));
        UpdateWindow(tree.Tree().m_hWnd);
        PumpWaitingMessages();
        after = BenchMilliseconds();
        children = folders->children.size();
        const double opened = after - before;
        treeTotal += opened;
        treeWorst = opened > treeWorst ? opened : treeWorst;
    }
    std::printf("file list of a folder of %d files (%zu listed): mean %.1f ms, worst %.1f ms over %d (goal 500 ms)\n",
        kFiles, rows, listTotal / kRounds, listWorst, kRounds);
    std::printf("tree: opening a folder of %d folders (%zu nodes): mean %.1f ms, worst %.1f ms over %d (goal 500 ms)\n",
        kFolders, children, treeTotal / kRounds, treeWorst, kRounds);
    plugin.HandleMessage(host.Window(), panel_protocol::kTerminate, 0, 0);
    // The corpus would otherwise lie on C: of every later session of the prefix.
    RemoveCorpus();
    return 0;
}
