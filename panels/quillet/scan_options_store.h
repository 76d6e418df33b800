// Loading and saving the Local Scanner's option record in the plug-in's profile file (VEXOMAR.INI).
#pragma once

#include <windows.h>

#include <string>

#include "local_scan_options.h"
#include "scan_options_profile.h"

class CWinApp;

// The "ScanOptions" section of the application's profile file.
class AppProfileSection : public ProfileSection {
public:
    explicit AppProfileSection(const CWinApp& app, const char* section = kScanOptionsSection);
    std::optional<std::string> Read(const char* key) const override;
    bool Write(const char* key, const std::string& value) override;

private:
    const CWinApp& m_app;
    const char* m_section;
};

// Reads every key, then sets the move directory to the module's folder and "\VIRUS", creating it when
// it is missing; a folder that cannot be made (or whose path does not fit) shows 626 and the options
// stay loaded.
void LoadLocalScanOptions(const CWinApp& app, const std::string& modulePath, LocalScanOptions& options);
bool SaveLocalScanOptions(const CWinApp& app, const LocalScanOptions& options);
