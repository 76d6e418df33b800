// The scan log's files on disk: MASTER.DB and the record directory "DB" of the current directory.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "atomic_file.h"  // FileExists

#include "scan_log_table.h"

constexpr const char* kMasterDatabase = "MASTER.DB";
constexpr const char* kRecordDirectory = "DB";

// "DB\IN%06lu.REC" for an entry number.
std::string ReportFilePath(std::uint32_t number);

// MASTER.DB opened through CreateFile; others may read it while it is open.
class ScanLogFile : public scan_log::ScanLogStore {
public:
    enum class Mode { ReadOnly, ReadWrite, CreateNew };

    ScanLogFile() = default;
    ~ScanLogFile() override;
    ScanLogFile(const ScanLogFile&) = delete;
    ScanLogFile& operator=(const ScanLogFile&) = delete;

    // False when the file cannot be opened (or, for CreateNew, made).
    bool Open(const std::string& path, Mode mode);
    void Close();
    bool IsOpen() const { return m_file != INVALID_HANDLE_VALUE; }

    std::uint64_t Size() override;
    bool Read(std::uint64_t offset, void* data, std::size_t length) override;
    bool Write(std::uint64_t offset, const void* data, std::size_t length) override;
    bool Truncate(std::uint64_t length) override;

private:
    bool Seek(std::uint64_t offset);

    HANDLE m_file = INVALID_HANDLE_VALUE;
};

// Makes the record directory when it is missing; a failure shows "Invalid Scan Record Directory"
// and the panel opens anyway. True when the directory is there.
bool EnsureScanRecordDirectory(HWND owner);
