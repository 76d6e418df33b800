// PathListSource: a depth-first walk over the given paths with FindFirstFile, one level open
// per folder depth, and the file actions on local files.
#include "path_list_source.h"

#include <vector>

#include "scan_item_rules.h"
#include "scan_job.h"

namespace {

std::string Joined(const std::string& directory, const std::string& name)
{
    if (!directory.empty() && (directory.back() == '\\' || directory.back() == '/'))
        return directory + name;
    return directory + "\\" + name;
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.find_last_of("\\/");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool IsDots(const char* name)
{
    return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'));
}

}  // namespace

PathListSource::PathListSource(std::vector<std::string> paths, ArchiveLibrary& archive, DWORD archiveLibrary)
    : m_paths(std::move(paths)), m_archive(archive), m_archiveLibrary(archiveLibrary)
{
}

PathListSource::~PathListSource()
{
    DropExpandedCopy();
    for (Level& level : m_levels)
        FindClose(level.find);
}

void PathListSource::Attach(ScanJob& job)
{
    m_job = &job;
}

bool PathListSource::First()
{
    DropExpandedCopy();
    for (Level& level : m_levels)
        FindClose(level.find);
    m_levels.clear();
    m_nextPath = 0;
    m_inPath = false;
    m_stopped = false;
    return Advance();
}

bool PathListSource::Next()
{
    DropExpandedCopy();
    return Advance();
}

void PathListSource::Stop()
{
    m_stopped = true;
}

void PathListSource::OpenLevel(const std::string& directory)
{
    Level level {directory, INVALID_HANDLE_VALUE, {}, false};
    level.find = FindFirstFileA(Joined(directory, "*").c_str(), &level.pending);
    level.hasPending = level.find != INVALID_HANDLE_VALUE;
    m_levels.push_back(level);
}

void PathListSource::LeaveLevel()
{
    if (m_levels.back().find != INVALID_HANDLE_VALUE)
        FindClose(m_levels.back().find);
    m_levels.pop_back();
    // The path's own folder is left with the path, below.
    if (m_job && !m_levels.empty())
        m_job->OnLeaveDirectory();
}

bool PathListSource::Advance()
{
    m_haveItem = false;
    for (;;) {
        if (m_stopped)
            return false;
        if (m_levels.empty()) {
            if (m_inPath) {
                m_inPath = false;
                if (m_job)
                    m_job->OnLeavePath();
            }
            if (m_nextPath >= m_paths.size())
                return false;
            const std::string path = m_paths[m_nextPath++];
            if (m_job && !m_job->OnStartPath(path))
                continue;
            m_inPath = true;
            const DWORD attributes = GetFileAttributesA(path.c_str());
            if (attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                SetCurrent(path);
                return true;
            }
            OpenLevel(path);
            continue;
        }
        Level& top = m_levels.back();
        if (!top.hasPending) {
            LeaveLevel();
            continue;
        }
        const WIN32_FIND_DATAA entry = top.pending;
        top.hasPending = FindNextFileA(top.find, &top.pending) != FALSE;
        if (IsDots(entry.cFileName))
            continue;
        const bool isDirectory = (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (m_filter && !m_filter(top.directory, entry.cFileName, isDirectory))
            continue;
        const std::string full = Joined(top.directory, entry.cFileName);
        if (isDirectory) {
            if (m_job)
                m_job->OnEnterDirectory();
            OpenLevel(full);
            continue;
        }
        SetCurrent(full);
        return true;
    }
}

void PathListSource::SetCurrent(const std::string& path)
{
    m_haveItem = true;
    m_path = path;
    m_name = NameOf(path);
    const std::string extension = scan_rules::ExtensionOf(m_name);
    if (m_archiveLibrary && !extension.empty() && extension.back() == '_') {
        const std::string expanded = m_archive.ExpandCompressedFile(m_archiveLibrary, path);
        if (!expanded.empty()) {
            // The engine sees the expanded content under the copy's name.
            m_original = path;
            m_expanded = true;
            m_path = expanded;
            m_name = NameOf(expanded);
        }
    }
}

void PathListSource::DropExpandedCopy()
{
    if (m_expanded)
        DeleteFileA(m_path.c_str());
    m_expanded = false;
    m_original.clear();
}

HANDLE PathListSource::OpenFile()
{
    return CreateFileA(m_path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
        FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
}

void PathListSource::CloseFile(HANDLE file)
{
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

bool PathListSource::Delete()
{
    return CanDelete() && m_actions.Delete(m_path);
}

bool PathListSource::Purge()
{
    return CanPurge() && m_actions.Purge(m_path);
}

bool PathListSource::CanMove(const std::string& directory)
{
    return CanDelete() && !local_file_names::SameName(m_actions.MoveTarget(directory, m_path), m_path);
}

bool PathListSource::Move(const std::string& directory)
{
    return CanMove(directory) && m_actions.Move(m_path, directory);
}

bool PathListSource::CanRename(const std::string& extension)
{
    return CanDelete() && !local_file_names::SameName(m_actions.RenameTarget(m_path, extension), m_path);
}

bool PathListSource::Rename(const std::string& extension)
{
    return CanRename(extension) && m_actions.Rename(m_path, extension);
}

bool PathListSource::CanRenameAndMove(const std::string& directory, const std::string& extension)
{
    return CanDelete() &&
        !local_file_names::SameName(m_actions.RenameAndMoveTarget(directory, m_path, extension), m_path);
}

bool PathListSource::RenameAndMove(const std::string& directory, const std::string& extension)
{
    return CanRenameAndMove(directory, extension) && m_actions.RenameAndMove(m_path, directory, extension);
}

HANDLE PathListSource::OpenForCure()
{
    return CanCure() ? m_cure.Open(m_path) : INVALID_HANDLE_VALUE;
}

void PathListSource::CloseAfterCure(HANDLE file, bool cured)
{
    m_cure.Close(file, cured);
}

void PathListSource::RecordOutcome(ScanJob&, int action, int result)
{
    m_outcomes.push_back(std::to_string(action) + " " + std::to_string(result) + " " + m_path);
}
