// ScanItemSource: the walker a scan job goes through, item by item, with the file actions
// that the infection handling asks of the item in hand.
#pragma once

#include <windows.h>

#include <string>

class ScanJob;

class ScanItemSource {
public:
    virtual ~ScanItemSource() = default;

    // At the start of a run: the job whose hooks the walk calls as it enters and leaves nodes.
    virtual void Attach(ScanJob& job) = 0;
    virtual bool First() = 0;
    // False at the end of the walk (or after Stop).
    virtual bool Next() = 0;
    virtual void Stop() = 0;

    virtual std::string FullPath() const = 0;
    virtual std::string Name() const = 0;
    // The local file whose bytes the engine reads for the current item: the item itself, an
    // expanded copy, or an attachment taken out of its message; "" when it could not be made.
    virtual std::string ContentPath() const { return FullPath(); }
    // The message information text of the current item (mail attachment items override it).
    virtual std::string MessageInformation() const { return {}; }
    // Why the current item could not be looked into at all (a mailbox that could not be read);
    // "" when it can be scanned.
    virtual std::string NotScannedText() const { return {}; }
    // A file, as opposed to a directory or a container node.
    virtual bool IsFile() const = 0;
    // The source lets the job scan the current item.
    virtual bool AcceptForScan() = 0;
    // The job is done with the current item.
    virtual void ItemDone() = 0;
    // The job shows where it is (the current directory text).
    virtual void ShowCurrentItem(const std::string& text) = 0;
    // A directory was entered and counted: the source shows it.
    virtual void ShowDirectory() = 0;
    // A detection occurred in the current item.
    virtual void DetectionOccurred() = 0;

    // INVALID_HANDLE_VALUE when the file cannot be opened; GetLastError then tells why.
    virtual HANDLE OpenFile() = 0;
    virtual void CloseFile(HANDLE file) = 0;
    // The item may not be changed (a read-only medium, a member of a container).
    virtual bool IsProtected() const = 0;

    // The file actions of the infection handling, each with its test.
    virtual bool CanDelete() = 0;
    virtual bool Delete() = 0;
    virtual bool CanPurge() = 0;
    virtual bool Purge() = 0;
    virtual bool CanMove(const std::string& directory) = 0;
    virtual bool Move(const std::string& directory) = 0;
    virtual bool CanRename(const std::string& extension) = 0;
    virtual bool Rename(const std::string& extension) = 0;
    virtual bool CanRenameAndMove(const std::string& directory, const std::string& extension) = 0;
    virtual bool RenameAndMove(const std::string& directory, const std::string& extension) = 0;
    virtual bool CanCure() = 0;
    // A writable handle, INVALID_HANDLE_VALUE when the file cannot be opened for the cure.
    virtual HANDLE OpenForCure() = 0;
    virtual void CloseAfterCure(HANDLE file, bool cured) = 0;
    // After each action: what was done to the current item.
    virtual void RecordOutcome(ScanJob& job, int action, int result) = 0;
};
