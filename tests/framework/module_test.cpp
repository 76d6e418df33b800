// Each module (the program and every plug-in DLL) has its own application object and loads
// its own templates and strings.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "framework.h"
#include "test_resource.h"

namespace {

template <class Function>
Function Export(HMODULE module, const char* name)
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

TEST(Modules, ModuleInstanceIsThisProgram)
{
    EXPECT_EQ(GetModuleHandleA(nullptr), ModuleInstance());
    EXPECT_EQ(ModuleInstance(), ResourceInstance());
}

}  // namespace
