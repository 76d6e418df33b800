// The Local Scanner panel under Wine: the drive watcher on a folder it watches, the tree over a
// scratch folder and the floppy, a scan of the tree's selection, the commands' states and the
// close refused while a scan runs.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <fstream>
#include <ctime>
#include <functional>

#include "cmd_ui.h"
#include "drive_watcher.h"
#include "modal_driver.h"
#include "plugin_protocol.h"
#include "quillet_fakes.h"
#include "quillet_frame_wnd.h"
#include "quillet_plugin.h"
#include "quillet_options_ids.h"
#include "quillet_registry.h"
#include "quillet_resource.h"
#include "path_list_source.h"
#include "scan_test_files.h"
#include "scratch_site.h"
#include "scripted_prompter.h"
#include "test_panel_host.h"

using namespace panel_protocol;

namespace {

CExtensionApp g_panelApp("QUILLET");

// Pumps messages for `milliseconds`, counting the watcher's messages to `window` by drive letter.
std::string PumpDriveMessages(HWND window, DWORD milliseconds)
{
    std::string letters;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, window, 0, 0, PM_REMOVE))
            if (message.message == CDriveWatcher::kDriveChanged)
                letters += static_cast<char>(message.wParam);
        Sleep(20);
    }
    return letters;
}

std::string SystemText(DWORD error)
{
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = text ? text : "";
    LocalFree(text);
    return message;
}

std::string MakeFolder(const std::string& path)
{
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void WriteFile(const std::string& path, const std::string& text = "sample\r\n")
{
    std::ofstream(path, std::ios::binary) << text;
}


class DriveWatcherTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_window = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        m_folder = MakeFolder(std::string(temp) + "qwatch" + std::to_string(GetCurrentProcessId()));
    }
    void TearDown() override
    {
        DestroyWindow(m_window);
        scan_test::RemoveTree(m_folder);
    }
    void Touch(int count)
    {
        for (int i = 0; i < count; ++i)
            WriteFile(m_folder + "\\f" + std::to_string(m_files++) + ".txt");
    }

    HWND m_window = nullptr;
    std::string m_folder;
    int m_files = 0;
};

TEST_F(DriveWatcherTest, ManyChangesWithinTheSpacingPostOneMessageWithTheLetter)
{
    CDriveWatcher watcher;
    ASSERT_TRUE(watcher.Watch('Q', m_folder));
    ASSERT_TRUE(watcher.Start(m_window));
    Touch(5);
    Sleep(300);
    Touch(5);
    EXPECT_EQ("Q", PumpDriveMessages(m_window, 2500));
    watcher.Stop();
}

TEST_F(DriveWatcherTest, APausedWatcherPostsNothingUntilTheLastResume)
{
    CDriveWatcher watcher(0);
    ASSERT_TRUE(watcher.Watch('R', m_folder));
    ASSERT_TRUE(watcher.Start(m_window));
    watcher.Pause();
    watcher.Pause();
    Touch(3);
    EXPECT_EQ("", PumpDriveMessages(m_window, 1500));
    watcher.Resume();
    EXPECT_TRUE(watcher.Paused());
    EXPECT_EQ("", PumpDriveMessages(m_window, 1200));
    watcher.Resume();
    EXPECT_FALSE(watcher.Paused());
    // The change made while held is told once the thread goes on.
    EXPECT_EQ("R", PumpDriveMessages(m_window, 2000).substr(0, 1));
    // An extra resume is not counted below zero.
    watcher.Resume();
    watcher.Pause();
    EXPECT_TRUE(watcher.Paused());
    watcher.Resume();
    watcher.Stop();
}

TEST_F(DriveWatcherTest, AFolderThatCannotBeWatchedGetsNoWatchAndDroppedWatchesAreSilent)
{
    CDriveWatcher watcher(0);
    EXPECT_FALSE(watcher.Watch('S', m_folder + "\\missing"));
    EXPECT_EQ(0u, watcher.WatchCount());
    ASSERT_TRUE(watcher.Watch('S', m_folder));
    ASSERT_TRUE(watcher.Start(m_window));
    watcher.Pause();
    watcher.DropWatches();
    watcher.Resume();
    Touch(2);
    EXPECT_EQ("", PumpDriveMessages(m_window, 1500));
    watcher.Stop();
}

// An engine that runs `duringScan` once, when it is handed the first file of a run.
class ClosingEngine : public FakeEngine {
public:
    std::function<void()> duringScan;
    std::uint16_t ScanFile(std::uint32_t instance, const char* path, HANDLE file) override
    {
        if (duringScan) {
            auto once = std::move(duringScan);
            duringScan = nullptr;
            once();
        }
        return FakeEngine::ScanFile(instance, path, file);
    }
};

class TestQuillet : public QuilletPlugin {
public:
    TestQuillet(FakeEngine& engine, FakeArchive& archive, FakeFilters& filters)
        : QuilletPlugin(g_panelApp, QuilletServices {engine, archive, filters})
    {
    }

protected:
    std::string TemporaryDirectory() const override { return "C:\\TEMP"; }
    std::string ModuleDirectory() const override { return "C:\\"; }
};

// Every scan ends in the results dialog; the tests look at what the scan did, not at it, so
// each one shown is left for the framework to end.
class LeaveEveryDialog : public ModalDriver {
public:
    LeaveEveryDialog() : m_previous(ModalDriver::Install(this)) { }
    ~LeaveEveryDialog() override { ModalDriver::Install(m_previous); }
    void Drive(CWnd&) override { ++shown; }
    int shown = 0;

private:
    ModalDriver* m_previous;
};

class QuilletPanelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The scan record (MASTER.DB and its DB folder) is written into the current folder.
        GetCurrentDirectoryA(MAX_PATH, m_previousDirectory);
        m_records = MakeFolder("C:\\QPANELR");
        SetCurrentDirectoryA(m_records.c_str());
        m_scratch = MakeFolder("C:\\QPANELT");
        MakeFolder(m_scratch + "\\INNER");
        MakeFolder(m_scratch + "\\SKIPPED");
        WriteFile(m_scratch + "\\A.EXE");
        WriteFile(m_scratch + "\\B.COM");
        WriteFile(m_scratch + "\\README.TXT");
        WriteFile(m_scratch + "\\OLD.AVB");
        WriteFile(m_scratch + "\\INNER\\C.EXE");
        WriteFile(m_scratch + "\\SKIPPED\\D.EXE");
        BeforeOpen();
        plugin.HandleMessage(host.Window(), kInitialise, 0, 0);
        plugin.HandleMessage(host.Window(), kOpen, 0, 0);
    }
    void TearDown() override
    {
        plugin.HandleMessage(host.Window(), kTerminate, 0, 0);
        scan_test::RemoveTree(m_scratch);
        SetCurrentDirectoryA(m_previousDirectory);
        scan_test::RemoveTree(m_records);
    }
    virtual void BeforeOpen() { }
    CQuilletFrameWnd& Frame() { return *plugin.PanelFrame(); }
    CScanTreePane& Tree() { return *Frame().TreePane(); }
    // The scratch folder's node under C:, listed.
    ScanTreeNode& Scratch()
    {
        ScanTreeNode* c = Tree().DriveNode('C');
        EXPECT_NE(nullptr, c);
        Tree().Fill(*c);
        ScanTreeNode* scratch = c->FindChild("QPANELT");
        EXPECT_NE(nullptr, scratch);
        return *scratch;
    }
    // Only the scratch folder is selected.
    ScanTreeNode& SelectOnlyScratch()
    {
        ScanTreeNode& computer = *Tree().Computer();
        scan_tree::SetState(computer, kUnselected);
        ScanTreeNode& scratch = Scratch();
        Tree().Toggle(scratch);
        return scratch;
    }
    bool Enabled(UINT id)
    {
        CCmdUI ui;
        ui.m_nID = id;
        ui.DoUpdate(Frame(), true);
        return ui.m_enabled;
    }
    std::vector<std::string> ScannedPaths() const
    {
        std::vector<std::string> paths;
        for (const std::string& call : engine.calls)
            if (call.rfind("12(", 0) == 0)
                paths.push_back(call.substr(3, call.size() - 4));
        return paths;
    }

    std::string m_scratch;
    std::string m_records;
    char m_previousDirectory[MAX_PATH] = {};
    LeaveEveryDialog dialogs;
    TestPanelHost host;
    ClosingEngine engine;
    FakeArchive archive;
    FakeFilters filters;
    TestQuillet plugin {engine, archive, filters};
};

TEST_F(QuilletPanelTest, TheTreeShowsTheDrivesWithFixedOnesSelectedAndListsTheScratchFolder)
{
    ASSERT_NE(nullptr, plugin.PanelFrame());
    ScanTreeNode& computer = *Tree().Computer();
    EXPECT_EQ("My Computer", computer.name);
    EXPECT_EQ("Entire Network", Tree().NetworkRoot()->name);
    ScanTreeNode* c = Tree().DriveNode('C');
    ASSERT_NE(nullptr, c);
    EXPECT_EQ("C:", c->name);
    EXPECT_EQ("C:\\", c->path);
    EXPECT_EQ(kImageFixed, c->image);
    EXPECT_EQ(kSelected, c->state);
    // The floppy image is drive B:, removable and not selected.
    ScanTreeNode* b = Tree().DriveNode('B');
    ASSERT_NE(nullptr, b);
    EXPECT_EQ(kImageRemovable, b->image);
    EXPECT_EQ(kUnselected, b->state);
    ScanTreeNode& scratch = Scratch();
    EXPECT_EQ("C:\\QPANELT\\", scratch.path);
    EXPECT_EQ(kNodeDirectory, scratch.kind);
    Tree().Fill(scratch);
    ASSERT_EQ(2u, scratch.children.size());
    EXPECT_EQ("INNER", scratch.children[0]->name);
    EXPECT_EQ("SKIPPED", scratch.children[1]->name);
    EXPECT_EQ("QPANELT", Tree().Tree().GetItemText(reinterpret_cast<HTREEITEM>(scratch.item)));
}

TEST_F(QuilletPanelTest, TheFileListShowsWhatAScanWouldSeeWithTheKindsIcon)
{
    ScanTreeNode& scratch = Scratch();
    Tree().Tree().SelectItem(reinterpret_cast<HTREEITEM>(scratch.item));
    std::vector<std::string> listed;
    for (const CFileListPane::Row& row : Frame().FilePane()->Rows())
        listed.push_back(row.file.name + "=" + std::to_string(row.kind));
    std::sort(listed.begin(), listed.end());
    // The renamed file is left out; the executable list gives 2, anything else 3.
    EXPECT_EQ((std::vector<std::string> {"A.EXE=2", "B.COM=2", "README.TXT=3"}), listed);
    EXPECT_EQ(8, Frame().FilePane()->Rows()[0].file.size);
    // The marks show the folder's selection: C: starts selected, so its folders' files do.
    HWND list = Frame().FilePane()->List();
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2), SendMessageA(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK));
    Frame().FilePane()->ToggleRow(0);
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(1), SendMessageA(list, LVM_GETITEMSTATE, 0, LVIS_STATEIMAGEMASK));
    EXPECT_EQ(kPartlySelected, scan_tree::EffectiveState(scratch));
}

TEST_F(QuilletPanelTest, AScanWalksOnlyTheSelectedFoldersAndFiles)
{
    ScanTreeNode& scratch = SelectOnlyScratch();
    Tree().Fill(scratch);
    Tree().Toggle(*scratch.FindChild("SKIPPED"));
    scan_tree::ToggleFile(scratch, "B.COM");
    EXPECT_EQ(kPartlySelected, scan_tree::EffectiveState(scratch));
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    std::vector<std::string> scanned = ScannedPaths();
    std::sort(scanned.begin(), scanned.end());
    EXPECT_EQ((std::vector<std::string> {"C:\\QPANELT\\A.EXE", "C:\\QPANELT\\INNER\\C.EXE", "C:\\QPANELT\\README.TXT"}),
        scanned);
    ASSERT_NE(nullptr, Frame().Job());
    EXPECT_EQ("C:\\;", Frame().Job()->ScannedPaths());
    EXPECT_FALSE(Frame().Scanning());
    // The watcher was held for the run and let go at its end.
    EXPECT_FALSE(Tree().Watcher().Paused());
}

TEST_F(QuilletPanelTest, ClosingThePanelWhileAScanRunsIsRefused)
{
    SelectOnlyScratch();
    HWND panel = plugin.PanelWindow();
    // The close arrives while the job pumps messages between items.
    // The job pumps at most every 15 ms: the file takes longer than that.
    engine.duringScan = [panel] {
        PostMessageA(panel, WM_CLOSE, 0, 0);
        Sleep(50);
    };
    ScriptedPrompter prompter;
    prompter.Expect("Stop scanning before closing the Local Scanner window");
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    EXPECT_TRUE(prompter.Done());
    ASSERT_TRUE(IsWindow(panel));
    // Once the scan is over the panel closes.
    SendMessageA(panel, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(panel));
    EXPECT_EQ(nullptr, plugin.PanelFrame());
}

TEST_F(QuilletPanelTest, CommandsFollowWhetherAScanRuns)
{
    EXPECT_TRUE(Enabled(ID_QUILLET_START));
    EXPECT_FALSE(Enabled(ID_QUILLET_STOP));
    EXPECT_TRUE(Enabled(ID_QUILLET_OPTIONS));
    EXPECT_TRUE(Enabled(ID_QUILLET_LOG));
    EXPECT_TRUE(Enabled(ID_QUILLET_VERSION_INFO));
    SelectOnlyScratch();
    std::vector<bool> during;
    engine.duringScan = [&] {
        for (UINT id : {ID_QUILLET_START, ID_QUILLET_STOP, ID_QUILLET_OPTIONS, ID_QUILLET_LOG, ID_QUILLET_VERSION_INFO})
            during.push_back(Enabled(id));
        during.push_back(Tree().Watcher().Paused());
    };
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    EXPECT_EQ((std::vector<bool> {false, true, false, false, false, true}), during);
    EXPECT_TRUE(Enabled(ID_QUILLET_START));
    EXPECT_FALSE(Enabled(ID_QUILLET_STOP));
}

TEST_F(QuilletPanelTest, StopEndsTheRunAtTheNextItem)
{
    SelectOnlyScratch();
    engine.duringScan = [this] { Frame().SendMessage(WM_COMMAND, ID_QUILLET_STOP, 0); };
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    ASSERT_NE(nullptr, Frame().Job());
    EXPECT_TRUE(Frame().Job()->Cancelled());
    EXPECT_EQ(1u, ScannedPaths().size());
}

TEST_F(QuilletPanelTest, ADoubleClickOnADriveChangesItsStateAndTheImagesAboveIt)
{
    ScanTreeNode* c = Tree().DriveNode('C');
    ASSERT_NE(nullptr, c);
    ScanTreeNode& computer = *Tree().Computer();
    scan_tree::SetState(computer, kUnselected);
    Tree().ShowStates(computer);
    Tree().Toggle(*c);
    EXPECT_EQ(kSelected, c->state);
    auto image = [this](const ScanTreeNode& node) {
        return Tree().Tree().GetItemState(reinterpret_cast<HTREEITEM>(node.item), TVIS_STATEIMAGEMASK);
    };
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(2), image(*c));
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(3), image(computer));
    Tree().Toggle(*c);
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(1), image(*c));
    EXPECT_EQ(INDEXTOSTATEIMAGEMASK(1), image(computer));
}

}  // namespace

namespace {

class QuilletNetworkTest : public QuilletPanelTest {
protected:
    // The node of `name` somewhere below the network root, its containers listed on the way.
    ScanTreeNode* Find(ScanTreeNode& node, const std::string& name)
    {
        if (node.name == name)
            return &node;
        if (node.kind == kNodeServer || node.kind == kNodeShare)
            return nullptr;
        Tree().Fill(node, true);
        for (const auto& child : node.children)
            if (ScanTreeNode* found = Find(*child, name))
                return found;
        return nullptr;
    }
    ScratchSite site;
};

TEST_F(QuilletNetworkTest, ServersAndTheirSharesComeFromTheNetworkProvider)
{
    ScanTreeNode* provider = Tree().NetworkRoot()->FindChild("Microsoft Windows Network");
    Tree().Fill(*Tree().NetworkRoot());
    provider = Tree().NetworkRoot()->FindChild("Microsoft Windows Network");
    ASSERT_NE(nullptr, provider);
    EXPECT_EQ(kNodeProvider, provider->kind);
    ScanTreeNode* alpha = Find(*Tree().NetworkRoot(), "ALPHA");
    ASSERT_NE(nullptr, alpha);
    EXPECT_EQ(kNodeServer, alpha->kind);
    EXPECT_EQ("\\\\ALPHA\\", alpha->path);
    EXPECT_EQ("SALES", alpha->parent->name);
    Tree().Fill(*alpha);
    ScanTreeNode* data = alpha->FindChild("DATA");
    ASSERT_NE(nullptr, data);
    EXPECT_EQ(kNodeShare, data->kind);
    EXPECT_EQ("\\\\ALPHA\\DATA\\", data->path);
    EXPECT_NE(nullptr, alpha->FindChild("ADMIN$"));
}

TEST_F(QuilletNetworkTest, ARefusingServerAsksForALogonAndListsItsSharesWithIt)
{
    ScanTreeNode* gamma = Find(*Tree().NetworkRoot(), "GAMMA");
    ASSERT_NE(nullptr, gamma);
    int asked = 0;
    Tree().SetCredentialsPrompt([&asked](Credentials& credentials) {
        ++asked;
        credentials.name = "admin";
        credentials.password = "Secret";
        return true;
    });
    Tree().Fill(*gamma);
    EXPECT_EQ(1, asked);
    EXPECT_NE(nullptr, gamma->FindChild("DATA"));
    WNetCancelConnection2A("\\\\GAMMA\\ADMIN$", 0, TRUE);
}

TEST_F(QuilletNetworkTest, AWrongPasswordShowsTheSystemsTextAndLeavesTheServerToTryAgain)
{
    ScanTreeNode* gamma = Find(*Tree().NetworkRoot(), "GAMMA");
    ASSERT_NE(nullptr, gamma);
    Tree().SetCredentialsPrompt([](Credentials& credentials) {
        credentials.name = "admin";
        credentials.password = "wrong";
        return true;
    });
    ScriptedPrompter prompter;
    prompter.Expect(SystemText(ERROR_ACCESS_DENIED));
    Tree().Fill(*gamma);
    EXPECT_TRUE(prompter.Done());
    EXPECT_FALSE(gamma->filled);
    EXPECT_TRUE(gamma->children.empty());
}

TEST_F(QuilletNetworkTest, AScanOfAShareOpensItsFilesThroughTheNetworkPath)
{
    // Written through the share itself, which a prefix with the sample site links to the server's
    // data folder; without that link the share is a folder of the prefix's own for this test.
    std::string madeShare;
    if (GetFileAttributesA("\\\\ALPHA\\DATA") == INVALID_FILE_ATTRIBUTES) {
        char prefix[MAX_PATH] = {};
        ASSERT_GT(GetEnvironmentVariableA("WINEPREFIX", prefix, MAX_PATH), 0u) << "runs in the project's Wine prefix";
        std::string unc = std::string("Z:") + prefix + "/dosdevices/unc";
        std::replace(unc.begin(), unc.end(), '/', '\\');
        CreateDirectoryA(unc.c_str(), nullptr);
        CreateDirectoryA((unc + "\\ALPHA").c_str(), nullptr);
        madeShare = unc + "\\ALPHA";
        ASSERT_TRUE(CreateDirectoryA((madeShare + "\\DATA").c_str(), nullptr));
    }
    const std::string shared = "\\\\ALPHA\\DATA\\QPANEL.EXE";
    WriteFile(shared);
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(shared.c_str()));
    scan_tree::SetState(*Tree().Computer(), kUnselected);
    ScanTreeNode* alpha = Find(*Tree().NetworkRoot(), "ALPHA");
    ASSERT_NE(nullptr, alpha);
    Tree().Fill(*alpha);
    ScanTreeNode* data = alpha->FindChild("DATA");
    ASSERT_NE(nullptr, data);
    Tree().Toggle(*data);
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    const std::vector<std::string> scanned = ScannedPaths();
    EXPECT_NE(scanned.end(), std::find(scanned.begin(), scanned.end(), shared));
    DeleteFileA(shared.c_str());
    if (!madeShare.empty())
        scan_test::RemoveTree(madeShare);
    EXPECT_EQ("\\\\ALPHA\\DATA\\;", Frame().Job()->ScannedPaths());
}

}  // namespace

namespace {

// A mail agent whose mailboxes are folders: each mailbox's source walks its folder.
class QuilletMailTest : public QuilletPanelTest {
protected:
    void BeforeOpen() override
    {
        PanelMailHooks& hooks = plugin.MailHooks();
        hooks.connect = [] { return true; };
        hooks.mailboxes = [] { return std::vector<std::string> {"ANNA", "BORIS"}; };
        hooks.mailboxSource = [this](std::vector<std::string> mailboxes) -> std::unique_ptr<ScanItemSource> {
            asked = mailboxes;
            return std::make_unique<PathListSource>(
                std::vector<std::string> {m_scratch + "\\INNER"}, archive, 0);
        };
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, VexomarRegistryPath("MAIL").c_str(), 0, KEY_ALL_ACCESS, &key) == 0) {
            RegDeleteValueA(key, "IncTime");
            RegCloseKey(key);
        }
    }
    void TearDown() override
    {
        plugin.MailHooks() = PanelMailHooks {};
        QuilletPanelTest::TearDown();
    }
    DWORD IncTime() const { return ReadVexomarDword("MAIL", "IncTime", 0); }
    std::vector<std::string> asked;
};

TEST_F(QuilletMailTest, TheMailRootListsTheMailboxesAndAFullMailScanKeepsItsStartTime)
{
    ScanTreeNode* mail = Tree().MailRoot();
    ASSERT_NE(nullptr, mail);
    EXPECT_EQ("Lotus Notes", mail->name);
    EXPECT_EQ(kImageMailRoot, mail->image);
    EXPECT_EQ(kNodeMailRoot, mail->kind);
    scan_tree::SetState(*Tree().Computer(), kUnselected);
    Tree().Toggle(*mail);
    const DWORD before = static_cast<DWORD>(std::time(nullptr));
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    EXPECT_EQ((std::vector<std::string> {"ANNA", "BORIS"}), asked);
    EXPECT_EQ((std::vector<std::string> {m_scratch + "\\INNER\\C.EXE"}), ScannedPaths());
    EXPECT_EQ("Lotus Notes;" + m_scratch + "\\INNER;", Frame().Job()->ScannedPaths());
    EXPECT_GE(IncTime(), before);
    EXPECT_LE(IncTime(), before + 5);
}

TEST_F(QuilletMailTest, OnlyTheTickedMailboxesAreScannedAndAPartialScanKeepsNoTime)
{
    ScanTreeNode* mail = Tree().MailRoot();
    ASSERT_NE(nullptr, mail);
    scan_tree::SetState(*Tree().Computer(), kUnselected);
    Tree().Fill(*mail);
    ASSERT_EQ(2u, mail->children.size());
    Tree().Toggle(*mail->children[1]);
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    EXPECT_EQ((std::vector<std::string> {"BORIS"}), asked);
    EXPECT_EQ(0u, IncTime());
}

TEST_F(QuilletMailTest, AStoppedMailScanKeepsNoTime)
{
    ScanTreeNode* mail = Tree().MailRoot();
    ASSERT_NE(nullptr, mail);
    scan_tree::SetState(*Tree().Computer(), kUnselected);
    Tree().Toggle(*mail);
    engine.duringScan = [this] { Frame().SendMessage(WM_COMMAND, ID_QUILLET_STOP, 0); };
    Frame().SendMessage(CQuilletFrameWnd::kStartScan);
    EXPECT_TRUE(Frame().Job()->Cancelled());
    EXPECT_EQ(0u, IncTime());
}

}  // namespace

namespace {

TEST_F(QuilletPanelTest, CtrlBPostsTheStartAndTheStartRunsTheScan)
{
    SelectOnlyScratch();
    MSG key = {Tree().Tree().m_hWnd, WM_KEYDOWN, 'B', 0};
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    const bool consumed = Frame().PreTranslateMessage(key);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_TRUE(consumed);
    EXPECT_TRUE(ScannedPaths().empty());
    // The start is a posted message; the scan runs when it is handled.
    MSG message;
    while (PeekMessageA(&message, Frame().m_hWnd, CQuilletFrameWnd::kStartScan, CQuilletFrameWnd::kStartScan, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_EQ(5u, ScannedPaths().size());
}

}  // namespace

namespace {

// The engine's data file cannot be opened: the panel opens but cannot scan.
class QuilletNoEngineTest : public QuilletPanelTest {
protected:
    void BeforeOpen() override
    {
        engine.loadAnswer = 11;
        prompter.Expect("Error opening data file").Expect("Could Not Initialize Anti-Virus Engine !");
    }
    ScriptedPrompter prompter;
};

TEST_F(QuilletNoEngineTest, StartIsDisabledAndCtrlBDoesNothing)
{
    EXPECT_TRUE(prompter.Done());
    ASSERT_NE(nullptr, plugin.PanelFrame());
    EXPECT_FALSE(Enabled(ID_QUILLET_START));
    EXPECT_TRUE(Enabled(ID_QUILLET_OPTIONS));
    Frame().SendMessage(WM_COMMAND, ID_QUILLET_START, 0);
    MSG message;
    EXPECT_FALSE(PeekMessageA(&message, Frame().m_hWnd, CQuilletFrameWnd::kStartScan, CQuilletFrameWnd::kStartScan,
        PM_NOREMOVE));
    EXPECT_EQ(nullptr, Frame().Job());
}

}  // namespace
