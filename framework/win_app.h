// CWinApp: the application object of one module (the program, or each plug-in DLL).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "cmd_target.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    // The first application object constructed in a module is that module's application.
    explicit CWinApp(const char* appName = nullptr);
    ~CWinApp() override;

    static CWinApp* Get();

    HINSTANCE m_hInstance = nullptr;
    HINSTANCE m_hResource = nullptr;  // templates and strings; the module itself when null
    CWnd* m_pMainWnd = nullptr;
    std::string m_appName;  // message-box captions
    std::string m_profileName;  // the profile file; a bare name lies in the Windows directory
    std::string m_cmdLine;
    int m_nCmdShow = SW_SHOWNORMAL;
    std::vector<std::string> m_recentFiles;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop with its idle pass; returns the exit code.
    virtual int Run();
    // One idle step; true while there is more idle work. Step 0 updates the command states
    // of the main window's control bars.
    virtual BOOL OnIdle(LONG count);
    // Translation before dispatch: the windows from the message's target up to the main window.
    virtual BOOL PreTranslateMessage(MSG& message);

    // Starts a program: records the instance and command line, InitInstance, then Run.
    int WinMainBody(HINSTANCE instance, const char* commandLine, int show);

    // Profile settings (section, key) in the application's profile file.
    UINT GetProfileInt(const char* section, const char* key, int defaultValue) const;
    std::string GetProfileString(const char* section, const char* key, const char* defaultValue = "") const;
    BOOL WriteProfileInt(const char* section, const char* key, int value) const;
    BOOL WriteProfileString(const char* section, const char* key, const char* value) const;
    // Reads the recent-file list ("Recent File List", File1 ...) of at most `maxRecent` entries.
    void LoadStdProfileSettings(UINT maxRecent = 4);

    // Runs the idle update over the main window now (what the idle pass does first).
    virtual void UpdateCommandStates();

    // The framework's default commands, for an application's map to name: New (a new empty
    // document: nothing to do here), Open (a file chosen with the system dialog is handed to
    // OpenDocumentFile and joins the recent-file list), Print Setup (the printer dialog).
    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    // Exit: asks the main window to close, as its close button would.
    void OnAppExit();
    // Opens `path` as the document; the default only remembers it. False refuses it.
    virtual bool OpenDocumentFile(const std::string& path);
    void AddToRecentFileList(const std::string& path);
    UINT m_maxRecent = 4;

    // Routes a command to the application's own map after a frame's chain.
    bool OnCmdMsg(CommandRequest& request) override;

private:
    const char* ProfileFile() const;
};

// Dispatches every pending message, then runs the idle pass until it reports no more work
// or a message arrives. False when WM_QUIT was seen (it is posted again for the main loop).
bool PumpMessages();
// Dispatches at most `maxMessages` pending messages, without the idle pass.
bool PumpMessages(int maxMessages);
