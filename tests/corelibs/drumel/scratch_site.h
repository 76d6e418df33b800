// A throw-away site for the antivirus service's tests: two domains of scratch servers, each
// with its data folder, whose instances are installed from the program beside the test and
// removed again afterwards.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "scratch_alert_home.h"
#include "server_locator.h"

// SALES holds ALPHA and BETA, RESEARCH holds GAMMA, whose data folder has a logon file with
// the account "admin" / "Secret".
class ScratchSite {
public:
    ScratchSite();
    ~ScratchSite();
    ScratchSite(const ScratchSite&) = delete;
    ScratchSite& operator=(const ScratchSite&) = delete;

    std::string DataFolder(const std::string& server) const { return m_home->Path() + "\\" + server; }
    ServerPlace Place(const std::string& server) const;
    // Registers the instance of each server with the service control manager.
    void Install(const std::vector<std::string>& servers);
    void UninstallAll();
    void WriteFile(const std::string& path, const std::string& bytes) const;

private:
    std::unique_ptr<ScratchAlertHome> m_home;
    std::vector<std::string> m_installed;
};

// The test file of the scanning engine, put together at run time.
std::string TestVirusText();
std::string PathBesideTest(const std::string& name);
// Polls, bounded, until the condition holds; false when it never did.
template <typename Condition> bool WaitFor(Condition condition, DWORD timeoutMs = 20000)
{
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        Sleep(50);
    }
    return true;
}
