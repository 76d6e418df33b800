// CAlertRecordTable: the Alert Service's ALRECORD.TBL in the current server's event-log directory.
#pragma once

#include <windows.h>

#include <functional>

struct ProgramValues;

// Every operation opens the table for itself and closes it again, so the Alert Service can
// keep writing between them. Paths come from the alert core's home-event-log call for the
// current server, through a cache shared by every table object.
class CAlertRecordTable {
public:
    static constexpr int kSlotSize = 256;
    // How long a write waits for another writer: attempts, and the pause between them.
    static constexpr int kWriteAttempts = 50;
    static constexpr DWORD kWriteRetryMilliseconds = 20;

    // The table of `values`' current server, found through its alert core.
    explicit CAlertRecordTable(const ProgramValues& values);

    // Resolves the paths and counts the record slots (length / 256 - 1). A table that does not
    // open is created holding one zeroed header slot, and the count is 0. Returns 1 when the
    // table could be opened or created, else 0.
    int Open();
    // Slot 0 into `header` (256 bytes). A missing table is created with a zeroed header and
    // zeros come back; zeros also come back when nothing can be read.
    void ReadHeader(BYTE* header);
    // Slot 0 from `header`, other writers excluded; the table is created when missing.
    // Returns 1 when all 256 bytes were written.
    int WriteHeader(const BYTE* header);
    // Slot `index` into `record`; 1 only when all 256 bytes were read.
    int ReadRecord(int index, BYTE* record);
    // Every whole slot from `first` to the end of the file, in order, through one shared open;
    // a torn last slot is left out. Returns the number of slots visited.
    int ForEachSlot(int first, const std::function<void(int index, const BYTE* slot)>& visit);
    // Slot `index` from `record`, other writers excluded; 0 when the table does not open.
    int WriteRecord(int index, const BYTE* record);
    // Removes a record: its header count (never below 0), its event file and its slot's bytes,
    // all while other writers are excluded. A slot that does not read or holds no record
    // changes nothing. Returns 1 when removed.
    int DeleteRecord(int index);

    // The table file's length in bytes, read in shared mode; -1 when it does not open.
    LONGLONG FileLength();

    // The record slots counted by the last Open.
    int SlotCount() const { return m_slotCount; }
    // "" while the core has not named the event-log directory.
    const char* EventLogDirectory() const;
    const char* TablePath() const;

    // Forgets the shared paths, so the next operation asks the core again.
    static void ForgetPaths();

private:
    // Asks the core only when the current server differs from the cached one or a cached path
    // is empty. Returns false when no table path is known.
    bool ResolvePaths();
    HANDLE OpenShared();
    HANDLE OpenExclusive(bool create);
    HANDLE CreateWithHeader();

    const ProgramValues& m_values;
    int m_slotCount = 0;
};
