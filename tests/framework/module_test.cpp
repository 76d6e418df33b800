// Each module (the program and every plug-in DLL) has its own application object and loads
// its own templates and strings.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "framework.h"
#include "scripted_prompter.h"
#include "test_resource.h"

namespace {

template <class Function> Function Export(HMODULE module, const char* name)
{
    FARPROC found = GetProcAddress(module, name);
    Function typed = nullptr;
    if (found)
        memcpy(&typed, &found, sizeof typed);
    return typed;
}

TEST(Modules, PluginLoadsItsOwnStringsTemplatesAndApplication)
{
    HMODULE probe = LoadLibraryA("FWPROBE.DLL");
    ASSERT_NE(nullptr, probe);
    auto probeString = Export<int(WINAPI*)(UINT, char*, int)>(probe, "ProbeString");
    auto probeApp = Export<int(WINAPI*)(char*, int)>(probe, "ProbeAppName");
    auto probeDialog = Export<int(WINAPI*)(char*, int)>(probe, "ProbeDialogCaption");
    ASSERT_TRUE(probeString && probeApp && probeDialog);

    char text[64] = {};
    probeString(IDS_PROBE, text, sizeof text);
    EXPECT_STREQ("Text of the plug-in", text);
    EXPECT_EQ("Text of the program", LoadResString(IDS_PROBE));

    probeApp(text, sizeof text);
    EXPECT_STREQ("FWPROBE", text);
    EXPECT_EQ("Framework Tests", CWinApp::Get()->m_appName);

    EXPECT_GT(probeDialog(text, sizeof text), 0);
    EXPECT_STREQ("Plug-in dialog", text);
    FreeLibrary(probe);
}

// A host window of this program, with the probe plug-in's panel inside it.
class HostedProbe : public ::testing::Test {
protected:
    void SetUp() override
    {
        probe = LoadLibraryA("FWPROBE.DLL");
        ASSERT_NE(nullptr, probe);
        ASSERT_TRUE(
            host.CreateEx(0, nullptr, "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, RECT {0, 0, 400, 300}, nullptr, 0));
        attach = Export<BOOL(WINAPI*)(HWND)>(probe, "ProbeAttachHost");
        open = Export<HWND(WINAPI*)()>(probe, "ProbeOpenPanel");
        close = Export<void(WINAPI*)()>(probe, "ProbeClosePanel");
        translate = Export<BOOL(WINAPI*)(MSG*)>(probe, "ProbeTranslate");
        runIdle = Export<void(WINAPI*)()>(probe, "ProbeRunIdle");
        ask = Export<int(WINAPI*)()>(probe, "ProbeAsk");
        installSeams = Export<void(WINAPI*)(const ModuleSeams*, ModuleSeams*)>(probe, "FrameworkInstallSeams");
        ASSERT_TRUE(attach && open && close && translate && runIdle && ask && installSeams);
        ASSERT_TRUE(attach(host.m_hWnd));
        panel = open();
        ASSERT_NE(nullptr, panel);
    }
    void TearDown() override
    {
        if (close)
            close();
        host.DestroyWindow();
        if (probe)
            FreeLibrary(probe);
    }

    HMODULE probe = nullptr;
    CWnd host;
    HWND panel = nullptr;
    BOOL(WINAPI* attach)(HWND) = nullptr;
    HWND(WINAPI* open)() = nullptr;
    void(WINAPI* close)() = nullptr;
    BOOL(WINAPI* translate)(MSG*) = nullptr;
    void(WINAPI* runIdle)() = nullptr;
    int(WINAPI* ask)() = nullptr;
    void(WINAPI* installSeams)(const ModuleSeams*, ModuleSeams*) = nullptr;
};

TEST_F(HostedProbe, PluginTranslatesDialogKeysOfItsOwnPanel)
{
    HWND edit = GetDlgItem(panel, IDC_FORM_EDIT);
    SetFocus(edit);
    MSG tab = {edit, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    // The program's own windows know nothing of the panel: only the plug-in can translate.
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(host.m_hWnd, tab));
    EXPECT_TRUE(translate(&tab));
    EXPECT_EQ(GetDlgItem(panel, IDOK), GetFocus());
    MSG other = {host.m_hWnd, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_FALSE(translate(&other));
}

TEST_F(HostedProbe, HostDrivenIdleUpdatesThePanelsButtons)
{
    runIdle();
    EXPECT_FALSE(IsWindowEnabled(GetDlgItem(panel, IDOK)));
    SetDlgItemTextA(panel, IDC_FORM_EDIT, "typed");
    runIdle();
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDOK)));
    // The program's own idle pass does not reach into the plug-in's windows.
    EXPECT_TRUE(IsWindowEnabled(GetDlgItem(panel, IDCANCEL)));
}

// A prompter for another module: it records and answers, and installs itself nowhere.
class RecordingPrompter : public Prompter {
public:
    int Show(HWND, const std::string& text, const std::string&, UINT) override
    {
        shown.push_back(text);
        return IDNO;
    }
    void Beep(UINT) override { shown.push_back("<beep>"); }
    std::vector<std::string> shown;
};

TEST_F(HostedProbe, PromptsOfThePluginReachThePrompterInstalledInIt)
{
    ScriptedPrompter programPrompter;  // expects nothing: the plug-in must not use this one
    RecordingPrompter pluginPrompter;
    ModuleSeams seams;
    seams.prompter = &pluginPrompter;
    ModuleSeams previous;
    installSeams(&seams, &previous);
    EXPECT_EQ(IDNO, ask());
    installSeams(&previous, nullptr);
    ASSERT_EQ(1u, pluginPrompter.shown.size());
    EXPECT_EQ("Is the plug-in asking?", pluginPrompter.shown[0]);
    EXPECT_TRUE(programPrompter.Shown().empty());
}

TEST(Modules, ModuleInstanceIsThisProgram)
{
    EXPECT_EQ(GetModuleHandleA(nullptr), ModuleInstance());
    EXPECT_EQ(ModuleInstance(), ResourceInstance());
}

}  // namespace
