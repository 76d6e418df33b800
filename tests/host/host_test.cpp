// The panel host: its start-up order, the plug-ins' requests, its loop turns and its end, seen by probe plug-ins.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "host_application.h"
#include "host_resource.h"
#include "module_seams.h"
#include "prompter.h"

namespace {

using ConfigureCall = void(WINAPI*)(LONG, BOOL);
using LogCall = int(WINAPI*)(char*, int);
using ChildCall = HWND(WINAPI*)();
using StatusCall = LRESULT(WINAPI*)(const char*, BOOL);

enum : LONG { kDescribeWrongly = 1, kUnavailable = 2, kTakePreTranslate = 4, kMissingIcon = 8 };

// One probe DLL as the test sees it: loaded first by the test, so that the host's load is the
// same module and the test can read what the host sent.
class Probe {
public:
    explicit Probe(const std::string& path) : m_path(path)
    {
        m_module = LoadLibraryA(path.c_str());
        configure =
            reinterpret_cast<ConfigureCall>(reinterpret_cast<void*>(GetProcAddress(m_module, "ProbeConfigure")));
        log = reinterpret_cast<LogCall>(reinterpret_cast<void*>(GetProcAddress(m_module, "ProbeLog")));
        child = reinterpret_cast<ChildCall>(reinterpret_cast<void*>(GetProcAddress(m_module, "ProbeChild")));
        status = reinterpret_cast<StatusCall>(reinterpret_cast<void*>(GetProcAddress(m_module, "ProbeStatus")));
        configure(0, FALSE);
        Log();
    }
    ~Probe() { FreeLibrary(m_module); }
    std::string Log()
    {
        char text[1024] = {};
        log(text, sizeof text);
        return text;
    }
    const std::string& Path() const { return m_path; }

    ConfigureCall configure = nullptr;
    LogCall log = nullptr;
    ChildCall child = nullptr;
    StatusCall status = nullptr;

private:
    std::string m_path;
    HMODULE m_module = nullptr;
};

std::string ProbePath(const char* name)
{
    return ProgramDirectory() + "\\" + name;
}

// A second copy of the probe is a second module with its own record of messages.
std::string SecondProbePath()
{
    std::string copy = ProbePath("HOSTPRB2.DLL");
    CopyFileA(ProbePath("HOSTPROBE.DLL").c_str(), copy.c_str(), FALSE);
    return copy;
}

UINT PanelMenuState(HostApplication& host, int index, std::string& text)
{
    HMENU panels = GetSubMenu(GetMenu(host.Frame().Window()), 1);
    char buffer[128] = {};
    GetMenuStringA(panels, static_cast<UINT>(index), buffer, sizeof buffer, MF_BYPOSITION);
    text = buffer;
    return GetMenuState(panels, static_cast<UINT>(index), MF_BYPOSITION);
}

TEST(PanelHost, StartsEachPanelInOrderAndStartsThemOnceTheFrameShows)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    {
        HostApplication host;
        ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {probe.Path()}, SW_SHOWNORMAL));
        EXPECT_EQ("1536 1538(0) 1542", probe.Log());
        // The describe record reaches the plug-in all zero; the start comes in the loop.
        host.RunPending();
        EXPECT_EQ("1547(shown) 1546", probe.Log());
        std::string title;
        UINT state = PanelMenuState(host, 0, title);
        EXPECT_EQ("Probe Panel", title);
        EXPECT_EQ(0u, state & MF_GRAYED);
        host.Finish();
        EXPECT_EQ("1537", probe.Log());
    }
}

TEST(PanelHost, RefusesAPanelThatDoesNotDescribeItselfAndEndsIt)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    probe.configure(kDescribeWrongly, FALSE);
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {probe.Path()}, SW_SHOWNORMAL));
    EXPECT_EQ("1536 1538(0) 1537", probe.Log());
    ASSERT_EQ(1u, host.Refused().size());
    EXPECT_TRUE(host.Panels().empty());
}

TEST(PanelHost, GreysTheMenuEntryOfAnUnavailablePanel)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    probe.configure(kUnavailable, FALSE);
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {probe.Path()}, SW_SHOWNORMAL));
    std::string title;
    EXPECT_NE(0u, PanelMenuState(host, 0, title) & MF_GRAYED);
    EXPECT_EQ("Probe Panel", title);
}

TEST(PanelHost, AMissingLibraryIsLeftOutAndTheOthersStart)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {ProbePath("NOPANEL.DLL"), probe.Path()}, SW_SHOWNORMAL));
    EXPECT_EQ(std::vector<std::string> {ProbePath("NOPANEL.DLL")}, host.Refused());
    EXPECT_EQ(1u, host.Panels().size());
}

TEST(PanelHost, CreatesTheRequestedMdiChildWithItsTitleAndIcon)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {probe.Path()}, SW_SHOWNORMAL));
    probe.Log();
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST, 0);
    EXPECT_EQ("1541 2323=child/0", probe.Log());
    HWND child = probe.child();
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(host.Frame().Client(), GetParent(child));
    char title[64] = {};
    GetWindowTextA(child, title, sizeof title);
    EXPECT_STREQ("Probe Panel", title);
    EXPECT_NE(0, SendMessageA(child, WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(&host.Panels()[0], host.Frame().ActivePanel());
}

TEST(PanelHost, AnswersStatusTwoWhenTheRequestedIconIsMissing)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    probe.configure(kMissingIcon, FALSE);
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {probe.Path()}, SW_SHOWNORMAL));
    probe.Log();
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST, 0);
    EXPECT_EQ("1541 2323=0/2", probe.Log());
}

TEST(PanelHost, ShowsAPanelsStatusTextAndRestoresItsOwn)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {probe.Path()}, SW_SHOWNORMAL));
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST, 0);
    EXPECT_EQ("Ready", host.Frame().StatusText());
    EXPECT_NE(0, probe.status("Scanning C:\\", FALSE));
    EXPECT_EQ("Scanning C:\\", host.Frame().StatusText());
    EXPECT_NE(0, probe.status(nullptr, TRUE));
    EXPECT_EQ("Ready", host.Frame().StatusText());
}

TEST(PanelHost, OffersEachMessageToThePanelsBeforeDispatchAndThenGivesThemTheirIdleTurn)
{
    Probe probe(ProbePath("HOSTPROBE.DLL"));
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {probe.Path()}, SW_SHOWNORMAL));
    host.RunPending();
    probe.Log();
    PostMessageA(host.Frame().Window(), WM_USER + 7, 0, 0);
    host.RunPending();
    EXPECT_EQ("1545 1546", probe.Log());
}

TEST(PanelHost, OffersTheActivePanelFirst)
{
    Probe first(ProbePath("HOSTPROBE.DLL"));
    Probe second(SecondProbePath());
    first.configure(kTakePreTranslate, FALSE);
    second.configure(kTakePreTranslate, FALSE);
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {first.Path(), second.Path()}, SW_SHOWNORMAL));
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST + 1, 0);
    host.RunPending();
    first.Log();
    second.Log();
    PostMessageA(host.Frame().Window(), WM_USER + 7, 0, 0);
    host.RunPending();
    // The second panel's window is active and takes the message: the first never sees it.
    EXPECT_EQ("1545 1546", second.Log());
    EXPECT_EQ("1546", first.Log());
}

TEST(PanelHost, StaysOpenWhileAPanelRefusesToCloseAndEndsThePanelsInReverseOrder)
{
    Probe first(ProbePath("HOSTPROBE.DLL"));
    Probe second(SecondProbePath());
    first.configure(0, TRUE);
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {first.Path(), second.Path()}, SW_SHOWNORMAL));
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST, 0);
    HWND frame = host.Frame().Window();
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(frame));
    EXPECT_NE(nullptr, first.child());
    first.configure(0, FALSE);
    SendMessageA(frame, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(frame));
    first.Log();
    second.Log();
    SetEnvironmentVariableA("PROBE_ENDS", "");
    host.Finish();
    EXPECT_EQ("1537", first.Log());
    EXPECT_EQ("1537", second.Log());
    char ends[256] = {};
    GetEnvironmentVariableA("PROBE_ENDS", ends, sizeof ends);
    EXPECT_STREQ("HOSTPRB2.DLL HOSTPROBE.DLL", ends);
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
}

TEST(PanelHost, ReadsThePanelListOrFallsBackToTheTwoPanels)
{
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::string directory = std::string(folder) + "vxmgr-list";
    CreateDirectoryA(directory.c_str(), nullptr);
    std::string ini = directory + "\\VXMGR.INI";
    DeleteFileA(ini.c_str());
    EXPECT_EQ((std::vector<std::string> {directory + "\\QUILLET.DLL", directory + "\\SERVICE.DLL"}),
        ReadPanelList(directory));
    WritePrivateProfileStringA("Panels", "Panel1", "SERVICE.DLL", ini.c_str());
    WritePrivateProfileStringA("Panels", "Panel2", "C:\\other\\X.DLL", ini.c_str());
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, ini.c_str());
    EXPECT_EQ((std::vector<std::string> {directory + "\\SERVICE.DLL", "C:\\other\\X.DLL"}), ReadPanelList(directory));
    DeleteFileA(ini.c_str());
    RemoveDirectoryA(directory.c_str());
}

}  // namespace

namespace {

// Answers every message box of the real panels (the service core may be absent here) with No.
class AnsweringPrompter : public Prompter {
public:
    int Show(HWND, const std::string& text, const std::string&, UINT) override
    {
        shown.push_back(text);
        return IDNO;
    }
    void Beep(UINT) override { }
    std::vector<std::string> shown;
};

using InstallSeamsCall = void(WINAPI*)(const ModuleSeams*, ModuleSeams*);

void InstallPrompter(const char* dll, Prompter* prompter)
{
    HMODULE module = GetModuleHandleA(dll);
    auto install =
        reinterpret_cast<InstallSeamsCall>(reinterpret_cast<void*>(GetProcAddress(module, "FrameworkInstallSeams")));
    ASSERT_NE(nullptr, install);
    ModuleSeams seams;
    seams.prompter = prompter;
    install(&seams, nullptr);
}

TEST(PanelHostWithThePanels, OpensBothRealPanelsAsMdiChildren)
{
    AnsweringPrompter prompter;
    HMODULE quillet = LoadLibraryA(ProbePath("QUILLET.DLL").c_str());
    HMODULE service = LoadLibraryA(ProbePath("SERVICE.DLL").c_str());
    InstallPrompter("QUILLET.DLL", &prompter);
    InstallPrompter("SERVICE.DLL", &prompter);
    HostApplication host;
    ASSERT_TRUE(
        host.Start(GetModuleHandleA(nullptr), {ProbePath("QUILLET.DLL"), ProbePath("SERVICE.DLL")}, SW_SHOWNORMAL));
    ASSERT_EQ(2u, host.Panels().size());
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST, 0);
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST + 1, 0);
    host.RunPending();
    std::vector<std::string> titles;
    for (HWND child = GetWindow(host.Frame().Client(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char title[128] = {};
        GetWindowTextA(child, title, sizeof title);
        titles.push_back(title);
    }
    ASSERT_EQ(2u, titles.size());
    EXPECT_EQ("Service Manager", titles[0]);
    EXPECT_EQ(0u, titles[1].rfind("Local Scanner : [", 0));
    SendMessageA(host.Frame().Window(), WM_CLOSE, 0, 0);
    host.Finish();
    MSG quit;
    PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    InstallPrompter("QUILLET.DLL", nullptr);
    InstallPrompter("SERVICE.DLL", nullptr);
    FreeLibrary(service);
    FreeLibrary(quillet);
}

}  // namespace

namespace {

TEST(PanelHostMenus, APanelsMenuCarriesTheHostsPanelsAndHelpAndGivesThemBackWhenClosed)
{
    AnsweringPrompter prompter;
    HMODULE quillet = LoadLibraryA(ProbePath("QUILLET.DLL").c_str());
    InstallPrompter("QUILLET.DLL", &prompter);
    HostApplication host;
    ASSERT_TRUE(host.Start(GetModuleHandleA(nullptr), {ProbePath("QUILLET.DLL")}, SW_SHOWNORMAL));
    HMENU hostMenu = GetMenu(host.Frame().Window());
    HMENU panels = GetSubMenu(hostMenu, 1);
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST, 0);
    HMENU panelMenu = GetMenu(host.Frame().Window());
    ASSERT_NE(hostMenu, panelMenu);
    char text[32] = {};
    GetMenuStringA(panelMenu, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ("&Panels", text);
    EXPECT_EQ(panels, GetSubMenu(panelMenu, 1));
    HWND child = reinterpret_cast<HWND>(SendMessageA(host.Frame().Client(), WM_MDIGETACTIVE, 0, 0));
    SendMessageA(host.Frame().Client(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
    EXPECT_EQ(hostMenu, GetMenu(host.Frame().Window()));
    // The lent popup survived the panel's menu.
    EXPECT_TRUE(IsMenu(panels));
    EXPECT_EQ(1, GetMenuItemCount(panels));
    SendMessageA(host.Frame().Window(), WM_COMMAND, ID_HOST_PANEL_FIRST, 0);
    EXPECT_NE(nullptr, reinterpret_cast<HWND>(SendMessageA(host.Frame().Client(), WM_MDIGETACTIVE, 0, 0)));
    host.Finish();
    InstallPrompter("QUILLET.DLL", nullptr);
    FreeLibrary(quillet);
}

}  // namespace
