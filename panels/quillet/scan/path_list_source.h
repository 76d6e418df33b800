// PathListSource: an item source over a list of paths (drives, folders, files), walked in
// order with every folder below; what tests, the benchmark and scans started from
// elsewhere than the panel's tree go through.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "archive_library.h"
#include "local_cure_session.h"
#include "local_file_actions.h"
#include "scan_item_source.h"

class PathListSource : public ScanItemSource {
public:
    // `archiveLibrary` 0: files compressed as single files are scanned as they are.
    PathListSource(std::vector<std::string> paths, ArchiveLibrary& archive, DWORD archiveLibrary);
    ~PathListSource() override;

    // Which entries of a folder the walk takes (all when none is set): the panel's tree selection.
    using EntryFilter = std::function<bool(const std::string& directory, const std::string& name, bool isDirectory)>;
    void SetEntryFilter(EntryFilter filter) { m_filter = std::move(filter); }

    void Attach(ScanJob& job) override;
    bool First() override;
    bool Next() override;
    void Stop() override;
    // An expanded copy is what the engine reads; the user sees the original's path.
    std::string FullPath() const override { return m_expanded ? m_original : m_path; }
    std::string ContentPath() const override { return m_path; }
    std::string Name() const override { return m_name; }
    bool IsFile() const override { return m_haveItem; }
    bool AcceptForScan() override { return m_haveItem; }
    void ItemDone() override { }
    void ShowCurrentItem(const std::string&) override { }
    void ShowDirectory() override { }
    void DetectionOccurred() override { ++m_detections; }
    HANDLE OpenFile() override;
    void CloseFile(HANDLE file) override;
    bool IsProtected() const override { return false; }

    bool CanDelete() override { return m_haveItem && !m_expanded; }
    bool Delete() override;
    bool CanPurge() override { return CanDelete(); }
    bool Purge() override;
    bool CanMove(const std::string& directory) override;
    bool Move(const std::string& directory) override;
    bool CanRename(const std::string& extension) override;
    bool Rename(const std::string& extension) override;
    bool CanRenameAndMove(const std::string& directory, const std::string& extension) override;
    bool RenameAndMove(const std::string& directory, const std::string& extension) override;
    bool CanCure() override { return CanDelete(); }
    HANDLE OpenForCure() override;
    void CloseAfterCure(HANDLE file, bool cured) override;
    void RecordOutcome(ScanJob& job, int action, int result) override;

    int Detections() const { return m_detections; }
    // Each recorded outcome: "action result path".
    const std::vector<std::string>& Outcomes() const { return m_outcomes; }

    // Where the last rename or move put the current file.
    const std::string& LastTarget() const { return m_actions.LastTarget(); }

private:
    struct Level {
        std::string directory;
        HANDLE find;
        WIN32_FIND_DATAA pending;  // the entry to look at next
        bool hasPending;
    };
    // Advances to the next file; false at the end of every path.
    bool Advance();
    void OpenLevel(const std::string& directory);
    void LeaveLevel();
    void SetCurrent(const std::string& path);
    void DropExpandedCopy();

    std::vector<std::string> m_paths;
    EntryFilter m_filter;
    ArchiveLibrary& m_archive;
    DWORD m_archiveLibrary;
    ScanJob* m_job = nullptr;
    size_t m_nextPath = 0;
    bool m_inPath = false;
    std::vector<Level> m_levels;
    bool m_stopped = false;
    bool m_haveItem = false;
    std::string m_path, m_name;
    // The original of an expanded compressed file. The prompts can name only the expanded copy
    // the engine saw, so neither is acted on: the detection is reported with "No Action".
    std::string m_original;
    bool m_expanded = false;
    LocalFileActions m_actions;
    LocalCureSession m_cure;
    int m_detections = 0;
    std::vector<std::string> m_outcomes;
};
