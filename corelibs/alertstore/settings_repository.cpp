// Loading and storing the per-application settings files under the settings lock.
#include "settings_repository.h"

#include <algorithm>
#include <ctime>

#include "application_name.h"
#include "atomic_file.h"
#include "store_lock.h"

namespace {

constexpr std::size_t kMaxSettingsFile = 64u << 20;

}  // namespace

std::string SettingsRepository::PathOf(const std::string& application) const
{
    return m_home.SettingsFolder() + "\\" + application + ".ALS";
}

std::optional<ApplicationSettings> SettingsRepository::Load(const std::string& application) const
{
    const std::optional<std::string> name = NormalizeApplicationName(application);
    if (!name)
        return std::nullopt;
    StoreLock lock;
    if (!lock.Held())
        return std::nullopt;
    return LoadLocked(*name);
}

std::optional<ApplicationSettings> SettingsRepository::LoadLocked(const std::string& name) const
{
    const std::string path = PathOf(name);
    if (!FileExists(path)) {
        if (name == kAlertApplication)
            return ApplicationSettings();
        return std::nullopt;
    }
    const auto bytes = ReadWholeFile(path, kMaxSettingsFile);
    if (!bytes)
        return std::nullopt;
    return ApplicationSettings::Decode(*bytes);
}

bool SettingsRepository::Update(const std::string& application, const std::function<bool(ApplicationSettings&)>& change)
{
    const std::optional<std::string> name = NormalizeApplicationName(application);
    if (!name)
        return false;
    StoreLock lock;
    if (!lock.Held())
        return false;
    std::optional<ApplicationSettings> settings = LoadLocked(*name);
    if (!settings || !change(*settings))
        return false;
    settings->Touch(static_cast<std::int64_t>(std::time(nullptr)));
    return EnsureFolder(m_home.SettingsFolder()) && ReplaceFileContents(PathOf(*name), settings->Encode());
}

bool SettingsRepository::HasOwnSettings(const std::string& application) const
{
    const std::optional<std::string> name = NormalizeApplicationName(application);
    return name && FileExists(PathOf(*name));
}

bool SettingsRepository::Register(const std::string& application)
{
    const std::optional<std::string> name = NormalizeApplicationName(application);
    if (!name)
        return false;
    StoreLock lock;
    if (!lock.Held())
        return false;
    if (FileExists(PathOf(*name)))
        return true;
    return EnsureFolder(m_home.SettingsFolder()) && ReplaceFileContents(PathOf(*name), ApplicationSettings().Encode());
}

std::vector<std::string> SettingsRepository::Applications() const
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    const std::string pattern = m_home.SettingsFolder() + "\\*.ALS";
    HANDLE search = FindFirstFileA(pattern.c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string file = found.cFileName;
            const std::size_t dot = file.rfind('.');
            if (dot == std::string::npos || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                continue;
            // Only names that the core itself could have written are listed.
            const std::optional<std::string> name = NormalizeApplicationName(file.substr(0, dot));
            if (name && file.substr(dot) == ".ALS" && *name != kAlertApplication && *name == file.substr(0, dot))
                names.push_back(*name);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    names.insert(names.begin(), kAlertApplication);
    return names;
}
