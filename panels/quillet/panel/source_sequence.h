// SourceSequence: one item source made of several walked one after the other (the drives and
// shares of the tree, then the mailboxes), so that a job sees a single walk.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scan_item_source.h"

class SourceSequence : public ScanItemSource {
public:
    struct Part {
        std::unique_ptr<ScanItemSource> source;
        // Non-empty: the part is a node of its own that the job enters by this name (operation 3).
        std::string label;
        std::function<void()> entered;
        // `completed`: the part's walk reached its end (no stop, no cancel).
        std::function<void(bool completed)> left;
    };

    void Add(Part part);
    bool Empty() const { return m_parts.empty(); }

    void Attach(ScanJob& job) override;
    bool First() override;
    bool Next() override;
    void Stop() override;
    std::string FullPath() const override;
    std::string Name() const override;
    bool IsFile() const override;
    bool AcceptForScan() override;
    void ItemDone() override;
    void ShowCurrentItem(const std::string& text) override;
    void ShowDirectory() override;
    void DetectionOccurred() override;
    std::string MessageInformation() const override;
    HANDLE OpenFile() override;
    void CloseFile(HANDLE file) override;
    bool IsProtected() const override;
    bool CanDelete() override;
    bool Delete() override;
    bool CanPurge() override;
    bool Purge() override;
    bool CanMove(const std::string& directory) override;
    bool Move(const std::string& directory) override;
    bool CanRename(const std::string& extension) override;
    bool Rename(const std::string& extension) override;
    bool CanRenameAndMove(const std::string& directory, const std::string& extension) override;
    bool RenameAndMove(const std::string& directory, const std::string& extension) override;
    bool CanCure() override;
    HANDLE OpenForCure() override;
    void CloseAfterCure(HANDLE file, bool cured) override;
    void RecordOutcome(ScanJob& job, int action, int result) override;

private:
    // The first part from `index` on that has an item; false when none has.
    bool StartFrom(size_t index);
    void Enter(Part& part);
    void Leave(Part& part, bool completed);
    ScanItemSource* Current() const;

    std::vector<Part> m_parts;
    ScanJob* m_job = nullptr;
    size_t m_current = 0;
    bool m_active = false;
    bool m_stopped = false;
};
