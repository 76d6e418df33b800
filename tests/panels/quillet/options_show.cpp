// QOPTSHOW.EXE: opens the options sheet on one page, or one of the virus information dialogs, for a look.
// "QOPTSHOW options 0|1|2 [nomail]", "QOPTSHOW virus", "QOPTSHOW info".
#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "engine_library.h"
#include "framework.h"
#include "machine_info_dlg.h"
#include "scan_options_profile.h"
#include "scan_options_sheet.h"
#include "virus_list_dlg.h"

namespace {

int g_startPage = 0;

void CALLBACK TurnToPage(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    if (HWND sheet = FindWindowA(nullptr, "Local Scanner Options"))
        PostMessageA(sheet, PSM_SETCURSEL, g_startPage, 0);
}

class NoProfile : public ProfileSection {
public:
    std::optional<std::string> Read(const char*) const override { return std::nullopt; }
    bool Write(const char*, const std::string&) override { return true; }
};

EngineVersions InstalledVersions()
{
    EngineVersions versions;
    KelvexLibrary engine;
    std::uint32_t instance = 0;
    if (!engine.Bind() || engine.Open(&instance) != 0)
        return versions;
    engine.LoadSignatures(instance);
    engine.Versions(instance, &versions.engine, &versions.signatures, &versions.engineDate, &versions.signatureDate);
    engine.ReleaseSignatures(instance);
    engine.Close(instance);
    return versions;
}

class COptionsShowApp : public CWinApp {
public:
    COptionsShowApp() : CWinApp("Local Scanner") { }

    BOOL InitInstance() override
    {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        HMODULE customControls = LoadLibraryA("QVCTRLU.DLL");
        const std::string what = __argc > 1 ? __argv[1] : "options";
        if (what == "virus") {
            ShowVirusList(nullptr, "virus.lst");
        } else if (what == "info") {
            ShowMachineInformation(nullptr, InstalledVersions());
        } else {
            g_startPage = __argc > 2 ? std::atoi(__argv[2]) : 0;
            LocalScanOptions options;
            LoadScanOptions(NoProfile(), options);
            options.executablesOnly = 1;
            options.infectionAction = kActionRenameAndMove;
            options.scanAfter = 1764576000;
            std::strcpy(options.moveDirectory, "C:\\Program Files\\Vexomar\\VIRUS");
            ScanOptionsSheetSetup setup;
            setup.mailAgentConnected = !(__argc > 3 && std::string(__argv[3]) == "nomail");
            setup.mailRootShown = true;
            SetTimer(nullptr, 0, 300, &TurnToPage);
            EditScanOptions(nullptr, options, setup, nullptr);
        }
        if (customControls)
            FreeLibrary(customControls);
        return FALSE;
    }
};

COptionsShowApp g_app;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int show)
{
    return g_app.WinMainBody(instance, commandLine, show);
}
