// Resolving a server name to its Alert home through the registry or the site description.
#include "alert_home.h"

#include "atomic_file.h"
#include "registry_value.h"
#include "site_description.h"

namespace {

constexpr std::size_t kMaxSiteFile = 1 << 20;
constexpr std::size_t kMaxServerName = 63;

std::string WithoutTrailingBackslash(std::string path)
{
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/') && path[path.size() - 2] != ':')
        path.pop_back();
    return path;
}

void FillFolders(AlertHome& home)
{
    home.home = WithoutTrailingBackslash(home.home);
    home.logDirectory = home.home + "\\" + kLogFolderName;
    home.eventLogDirectory = home.home + "\\" + kEventLogFolderName;
}

}  // namespace

std::string AlertHome::LocalComputerName()
{
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof name;
    if (!GetComputerNameA(name, &size))
        return std::string();
    return name;
}

bool AlertHome::IsLocalName(const char* server)
{
    std::string name = server ? server : "";
    while (!name.empty() && name.front() == '\\')
        name.erase(0, 1);
    return name.empty() || name == "." || SameComputerName(name, LocalComputerName());
}

std::optional<AlertHome> AlertHome::ForServer(const char* server, DWORD* error)
{
    DWORD ignored = 0;
    DWORD& failure = error ? *error : ignored;
    std::string name = server ? server : "";
    // A caller that kept the UNC form still names the same computer.
    while (!name.empty() && name.front() == '\\')
        name.erase(0, 1);
    if (name.size() > kMaxServerName) {
        failure = kServerUnreachable;
        return std::nullopt;
    }
    AlertHome result;
    result.server = name;
    if (IsLocalName(name.c_str())) {
        const std::optional<std::string> home = ReadMachineString(kAlertPathKey, "Home");
        if (!home || home->empty()) {
            failure = ERROR_FILE_NOT_FOUND;
            return std::nullopt;
        }
        result.home = *home;
        FillFolders(result);
        return result;
    }
    const std::optional<SiteDescription> site = ReadSiteDescription();
    const SiteServer* described = site ? site->Find(name) : nullptr;
    if (!described || described->dataDirectory.empty()) {
        failure = kServerUnreachable;
        return std::nullopt;
    }
    result.local = false;
    result.home = WithoutTrailingBackslash(described->dataDirectory) + "\\ALERT";
    FillFolders(result);
    return result;
}

std::optional<SiteDescription> ReadSiteDescription()
{
    const std::optional<std::string> file = ReadMachineString(kSiteKey, "File");
    if (!file || file->empty())
        return std::nullopt;
    const auto bytes = ReadWholeFile(*file, kMaxSiteFile);
    if (!bytes)
        return std::nullopt;
    bool ok = false;
    SiteDescription site = SiteDescription::Parse(std::string(bytes->begin(), bytes->end()), nullptr, &ok);
    if (!ok)
        return std::nullopt;
    return site;
}
