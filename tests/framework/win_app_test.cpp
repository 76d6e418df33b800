// The application object: profile settings, the idle pass and message pumping.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework.h"

namespace {

std::string TempProfile(const char* name)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    std::string path = std::string(folder) + name;
    DeleteFileA(path.c_str());
    return path;
}

TEST(WinApp, ProfileValuesAreWrittenAndReadBack)
{
    CWinApp* app = CWinApp::Get();
    ASSERT_NE(nullptr, app);
    std::string saved = app->m_profileName;
    app->m_profileName = TempProfile("vexfw_profile.ini");
    EXPECT_EQ(17u, app->GetProfileInt("ScanOptions", "Missing", 17));
    EXPECT_TRUE(app->WriteProfileInt("ScanOptions", "ScanMode", 2));
    EXPECT_TRUE(app->WriteProfileString("Font", "FaceName", "MS Sans Serif"));
    EXPECT_EQ(2u, app->GetProfileInt("ScanOptions", "ScanMode", 0));
    EXPECT_EQ("MS Sans Serif", app->GetProfileString("Font", "FaceName", "x"));
    EXPECT_EQ("fallback", app->GetProfileString("Font", "Missing", "fallback"));
    std::string longValue(1000, 'v');
    app->WriteProfileString("Font", "Long", longValue.c_str());
    EXPECT_EQ(longValue, app->GetProfileString("Font", "Long"));
    DeleteFileA(app->m_profileName.c_str());
    app->m_profileName = saved;
}

TEST(WinApp, RecentFileListKeepsAtMostTheAskedNumber)
{
    CWinApp* app = CWinApp::Get();
    std::string saved = app->m_profileName;
    app->m_profileName = TempProfile("vexfw_recent.ini");
    for (int index = 1; index <= 5; ++index) {
        std::string key = "File" + std::to_string(index);
        std::string value = "C:\\file" + std::to_string(index) + ".txt";
        app->WriteProfileString("Recent File List", key.c_str(), value.c_str());
    }
    app->LoadStdProfileSettings(4);
    ASSERT_EQ(4u, app->m_recentFiles.size());
    EXPECT_EQ("C:\\file1.txt", app->m_recentFiles[0]);
    EXPECT_EQ("C:\\file4.txt", app->m_recentFiles[3]);
    DeleteFileA(app->m_profileName.c_str());
    app->m_profileName = saved;
}

class CCountingPane : public CWnd {
public:
    int posted = 0;
    int idleUpdates = 0;
    const MessageMap& GetMessageMap() const override
    {
        static const MessageMap map(CWnd::GetMessageMap(),
            {
                on::Message(WM_USER + 3, &CCountingPane::OnPosted),
                on::Message(WM_IDLEUPDATECMDUI, &CCountingPane::OnIdleUpdate),
            });
        return map;
    }
    LRESULT OnPosted(WPARAM, LPARAM)
    {
        ++posted;
        return 0;
    }
    LRESULT OnIdleUpdate(WPARAM wParam, LPARAM)
    {
        if (wParam == 1)
            ++idleUpdates;
        return 0;
    }
};

TEST(WinApp, PumpMessagesDispatchesPendingWorkThenRunsTheIdlePass)
{
    CCountingPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "main", WS_POPUP, RECT {0, 0, 10, 10}, nullptr, 0));
    CWinApp* app = CWinApp::Get();
    CWnd* savedMain = app->m_pMainWnd;
    app->m_pMainWnd = &pane;
    pane.PostMessage(WM_USER + 3);
    pane.PostMessage(WM_USER + 3);
    EXPECT_TRUE(PumpMessages());
    EXPECT_EQ(2, pane.posted);
    EXPECT_EQ(1, pane.idleUpdates);
    app->m_pMainWnd = savedMain;
}

TEST(WinApp, PumpMessagesStopsAtQuitAndLeavesItForTheMainLoop)
{
    PostQuitMessage(3);
    EXPECT_FALSE(PumpMessages());
    MSG message = {};
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(3u, message.wParam);
}

TEST(WinApp, BoundedPumpLeavesTheRestQueued)
{
    CCountingPane pane;
    ASSERT_TRUE(pane.CreateEx(0, nullptr, "pane", WS_POPUP, RECT {0, 0, 10, 10}, nullptr, 0));
    for (int index = 0; index < 5; ++index)
        pane.PostMessage(WM_USER + 3);
    PumpMessages(3);
    EXPECT_EQ(3, pane.posted);
    PumpMessages(50);
    EXPECT_EQ(5, pane.posted);
}

class RecordingDialogs : public SystemDialogs {
public:
    int openAsked = 0;
    bool printerSetupAsked = false;
    bool OpenFile(FileDialogRequest& request) override
    {
        ++openAsked;
        request.path = "C:\\report" + std::to_string(openAsked) + ".txt";
        return true;
    }
    bool SaveFile(FileDialogRequest&) override { return false; }
    bool ChoosePrinter(PrinterRequest& request) override
    {
        printerSetupAsked = request.setupOnly;
        return false;
    }
    bool ChooseFolder(HWND, const std::string&, std::string&) override { return false; }
};

TEST(WinApp, DefaultOpenAndPrintSetupGoThroughTheSystemDialogSeam)
{
    RecordingDialogs dialogs;
    SystemDialogs* previous = SystemDialogs::Install(&dialogs);
    CWinApp* app = CWinApp::Get();
    std::vector<std::string> saved = app->m_recentFiles;
    app->m_recentFiles.clear();
    app->m_maxRecent = 2;
    app->OnFileOpen();
    app->OnFileOpen();
    app->OnFileOpen();
    app->OpenDocumentFile("C:\\REPORT2.TXT");
    app->OnFilePrintSetup();
    SystemDialogs::Install(previous);
    EXPECT_EQ((std::vector<std::string> {"C:\\REPORT2.TXT", "C:\\report3.txt"}), app->m_recentFiles);
    EXPECT_TRUE(dialogs.printerSetupAsked);
    app->m_recentFiles = saved;
    app->m_maxRecent = 4;
}

TEST(WinApp, ExitClosesTheMainWindowAsItsCloseButtonWould)
{
    CWinApp* app = CWinApp::Get();
    CFrameWnd frame;
    ASSERT_TRUE(frame.Create(nullptr, "Exit", WS_OVERLAPPEDWINDOW, RECT {0, 0, 200, 100}));
    CWnd* saved = app->m_pMainWnd;
    app->m_pMainWnd = &frame;
    app->OnAppExit();
    EXPECT_TRUE(IsWindow(frame.m_hWnd)) << "the close is posted, not sent";
    MSG message = {};
    while (PeekMessageA(&message, frame.m_hWnd, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);
    EXPECT_EQ(nullptr, frame.m_hWnd);
    app->m_pMainWnd = saved;
    // The closed main window asked the loop to end; that request is not this test's to keep.
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) { }
}

}  // namespace
