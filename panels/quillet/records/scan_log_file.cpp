// MASTER.DB through CreateFile, and the record directory beside it.
#include "scan_log_file.h"

#include "module.h"
#include "prompter.h"
#include "quillet_records_ids.h"
#include "quillet_scan_ids.h"

std::string ReportFilePath(std::uint32_t number)
{
    return FormatText("%s\\IN%06lu.REC", kRecordDirectory, static_cast<unsigned long>(number));
}

ScanLogFile::~ScanLogFile()
{
    Close();
}

bool ScanLogFile::Open(const std::string& path, Mode mode)
{
    Close();
    const DWORD access = mode == Mode::ReadOnly ? GENERIC_READ : GENERIC_READ | GENERIC_WRITE;
    // Readers share writing too, so that a viewer never keeps a finishing scan from its entry.
    const DWORD share = mode == Mode::ReadOnly ? FILE_SHARE_READ | FILE_SHARE_WRITE : FILE_SHARE_READ;
    const DWORD disposition = mode == Mode::CreateNew ? CREATE_NEW : OPEN_EXISTING;
    m_file = CreateFileA(path.c_str(), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return IsOpen();
}

void ScanLogFile::Close()
{
    if (IsOpen())
        CloseHandle(m_file);
    m_file = INVALID_HANDLE_VALUE;
}

std::uint64_t ScanLogFile::Size()
{
    LARGE_INTEGER size = {};
    if (!IsOpen() || !GetFileSizeEx(m_file, &size) || size.QuadPart < 0)
        return 0;
    return static_cast<std::uint64_t>(size.QuadPart);
}

bool ScanLogFile::Seek(std::uint64_t offset)
{
    LARGE_INTEGER position;
    position.QuadPart = static_cast<LONGLONG>(offset);
    return IsOpen() && SetFilePointerEx(m_file, position, nullptr, FILE_BEGIN);
}

bool ScanLogFile::Read(std::uint64_t offset, void* data, std::size_t length)
{
    DWORD read = 0;
    return Seek(offset) && ReadFile(m_file, data, static_cast<DWORD>(length), &read, nullptr) && read == length;
}

bool ScanLogFile::Write(std::uint64_t offset, const void* data, std::size_t length)
{
    DWORD written = 0;
    return Seek(offset) && WriteFile(m_file, data, static_cast<DWORD>(length), &written, nullptr) && written == length;
}

bool ScanLogFile::Truncate(std::uint64_t length)
{
    return Seek(length) && SetEndOfFile(m_file);
}

bool EnsureScanRecordDirectory(HWND owner)
{
    const DWORD attributes = GetFileAttributesA(kRecordDirectory);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return true;
    if (CreateDirectoryA(kRecordDirectory, nullptr))
        return true;
    Prompter::Current().Show(owner, LoadResString(IDS_RECORD_DIRECTORY_INVALID), LoadResString(IDS_SCAN_CAPTION),
        MB_OK | MB_ICONEXCLAMATION);
    return false;
}
