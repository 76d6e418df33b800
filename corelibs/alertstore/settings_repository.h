// The applications' settings files in a server's Alert home.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "alert_home.h"
#include "application_settings.h"

// APPS\<NAME>.ALS holds one application's settings; a registered application is one with
// a file. "ALERT" always exists: without a file it reads as empty settings.
class SettingsRepository {
public:
    explicit SettingsRepository(const AlertHome& home) : m_home(home) { }

    // Nothing for an unknown application or a damaged file. Reads take the settings lock
    // too: a reader's open file would otherwise make a writer's replacement fail.
    std::optional<ApplicationSettings> Load(const std::string& application) const;
    // Loads, applies the change and stores atomically under the settings lock; the
    // change's false return stores nothing.
    bool Update(const std::string& application, const std::function<bool(ApplicationSettings&)>& change);
    // True when the application has a settings file of its own (damaged or not).
    bool HasOwnSettings(const std::string& application) const;
    // Creates empty settings for the application unless it has them already.
    bool Register(const std::string& application);
    // "ALERT" first, then every registered application in name order.
    std::vector<std::string> Applications() const;

private:
    std::optional<ApplicationSettings> LoadLocked(const std::string& name) const;
    std::string PathOf(const std::string& application) const;

    AlertHome m_home;
};
