// The option record in VEXOMAR.INI through the application's profile functions, and the move folder.
#include "scan_options_store.h"

#include <cstring>

#include "prompter.h"
#include "quillet_options_ids.h"
#include "win_app.h"

namespace {

// A default no profile value can hold: it tells a missing key from an empty one.
const char kMissing[] = "\x7F<missing>\x7F";

bool DirectoryExists(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

AppProfileSection::AppProfileSection(const CWinApp& app, const char* section) : m_app(app), m_section(section)
{
}

std::optional<std::string> AppProfileSection::Read(const char* key) const
{
    std::string value = m_app.GetProfileString(m_section, key, kMissing);
    if (value == kMissing)
        return std::nullopt;
    return value;
}

bool AppProfileSection::Write(const char* key, const std::string& value)
{
    return m_app.WriteProfileString(m_section, key, value.c_str()) != FALSE;
}

void LoadLocalScanOptions(const CWinApp& app, const std::string& modulePath, LocalScanOptions& options)
{
    LoadScanOptions(AppProfileSection(app), options);
    const std::optional<std::string> directory = MoveDirectoryForModule(modulePath);
    if (!directory) {
        // A path cut to the field would name another folder: the record keeps none.
        std::memset(options.moveDirectory, 0, sizeof options.moveDirectory);
        PromptId(IDS_SCAN_MOVE_DIRECTORY_INVALID, MB_OK | MB_ICONSTOP);
        return;
    }
    std::memset(options.moveDirectory, 0, sizeof options.moveDirectory);
    std::memcpy(options.moveDirectory, directory->data(), directory->size());
    if (!DirectoryExists(*directory) && !CreateDirectoryA(directory->c_str(), nullptr))
        PromptId(IDS_SCAN_MOVE_DIRECTORY_INVALID, MB_OK | MB_ICONSTOP);
}

bool SaveLocalScanOptions(const CWinApp& app, const LocalScanOptions& options)
{
    AppProfileSection section(app);
    return SaveScanOptions(options, section);
}
