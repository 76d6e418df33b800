// Where a server's alert data lives: the local registry's Alert home, or a site server's folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "site_description.h"

inline constexpr const char* kAlertKey = "SOFTWARE\\Morwick\\ALERT\\CurrentVersion";
inline constexpr const char* kAlertPathKey = "SOFTWARE\\Morwick\\ALERT\\CurrentVersion\\Path";
inline constexpr const char* kSiteKey = "SOFTWARE\\Morwick\\Site";
inline constexpr const char* kServiceName = "Morwick Alert Notification Server";
inline constexpr DWORD kServerUnreachable = 1722;

struct AlertHome {
    std::string server;  // bare name as the caller gave it ("" for the local computer)
    bool local = true;
    std::string home;  // no trailing backslash
    std::string logDirectory;
    std::string eventLogDirectory;

    // The local computer (an empty name, ".", or its own name, ignoring case) reads its
    // home from the registry; another name must be a server of the site description.
    // Fails with kServerUnreachable for a server the site does not know and with
    // ERROR_FILE_NOT_FOUND when the local home is not set.
    static std::optional<AlertHome> ForServer(const char* server, DWORD* error);
    static std::string LocalComputerName();
    // An empty name, ".", or this computer's name (ignoring case; leading backslashes allowed).
    static bool IsLocalName(const char* server);

    std::string SettingsFolder() const { return home + "\\APPS"; }
    std::string TablePath() const { return eventLogDirectory + "\\ALRECORD.TBL"; }
    std::string LogPath() const { return logDirectory + "\\ALERT.LOG"; }
    // "\\NAME" for a site server, nothing (the local manager) otherwise.
    std::string ServiceMachine() const { return local ? std::string() : "\\\\" + server; }
};

inline constexpr const char* kLogFolderName = "LOG";
inline constexpr const char* kEventLogFolderName = "EVENTLOG";

// The site description named in the registry (kSiteKey "File"), or nothing when no site is
// named or its file cannot be read or parsed.
std::optional<SiteDescription> ReadSiteDescription();
