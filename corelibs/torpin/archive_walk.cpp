// The walk enforces what no single reader can: the member count, the total output,
// overlapping members, and the cleanup of every file it wrote.
#include "archive_walk.h"

#include <algorithm>

#include "byte_sink.h"

namespace torpin {
namespace {

// Counts what reaches the file, so that a failed member still uses up the budget.
class CountingSink final : public ByteSink {
public:
    explicit CountingSink(ByteSink& inner) : m_inner(inner) { }
    bool write(const std::uint8_t* data, std::size_t n) override
    {
        if (!m_inner.write(data, n))
            return false;
        count += n;
        return true;
    }
    std::uint64_t count = 0;

private:
    ByteSink& m_inner;
};

}  // namespace

ArchiveWalk::~ArchiveWalk()
{
    close();
}

bool ArchiveWalk::open(const std::string& path)
{
    auto file = std::make_unique<FileSource>();
    if (!file->open(path))
        return false;
    return open(std::move(file));
}

bool ArchiveWalk::open(std::unique_ptr<ByteSource> source)
{
    close();
    m_source = std::move(source);
    m_type = detectArchiveType(*m_source);
    m_reader = makeReader(m_type, *m_source);
    return m_reader != nullptr;
}

const char* ArchiveWalk::first()
{
    removeCurrent();
    m_hasCurrent = false;
    m_lastStatus = ExtractStatus::NoMember;
    if (!m_reader)
        return nullptr;
    return advance(m_reader->first(m_current));
}

const char* ArchiveWalk::next()
{
    removeCurrent();
    m_lastStatus = ExtractStatus::NoMember;
    if (!m_reader || !m_hasCurrent)
        return nullptr;
    return advance(m_reader->next(m_current));
}

const char* ArchiveWalk::advance(bool found)
{
    while (found) {
        if (++m_seen > m_limits.maxMembers)
            break;
        if (!m_current.directory) {
            m_hasCurrent = true;
            return m_current.name.c_str();
        }
        found = m_reader->next(m_current);
    }
    m_hasCurrent = false;
    return nullptr;
}

const char* ArchiveWalk::extractCurrent()
{
    if (!m_hasCurrent) {
        m_lastStatus = ExtractStatus::NoMember;
        return nullptr;
    }
    if (!m_extracted.empty()) {
        m_lastStatus = ExtractStatus::Ok;
        return m_extracted.c_str();
    }
    if (m_current.encrypted) {
        m_lastStatus = ExtractStatus::Encrypted;
        return nullptr;
    }
    if (!m_reader->locate(m_current)) {
        m_lastStatus = ExtractStatus::Corrupt;
        return nullptr;
    }
    if (!m_written.claim(m_current.rangeStart, m_current.rangeEnd)) {
        m_lastStatus = ExtractStatus::Overlap;
        return nullptr;
    }
    std::uint64_t left = m_limits.maxArchiveBytes > m_bytesWritten ? m_limits.maxArchiveBytes - m_bytesWritten : 0;
    std::uint64_t budget = std::min(m_limits.maxMemberBytes, left);
    if (m_current.size > budget) {
        m_lastStatus = ExtractStatus::Limit;
        return nullptr;
    }
    std::string path;
    std::FILE* file = m_temps.create(TempFileFactory::safeExtension(m_current.name), path);
    if (!file) {
        m_lastStatus = ExtractStatus::WriteFailed;
        return nullptr;
    }
    FileSink fileSink(file);
    CountingSink counted(fileSink);
    ExtractStatus status = m_reader->extract(m_current, counted, budget);
    m_bytesWritten += counted.count;
    if (std::fclose(file) != 0 && status == ExtractStatus::Ok)
        status = ExtractStatus::WriteFailed;
    m_lastStatus = status;
    if (status != ExtractStatus::Ok) {
        removeFile(path);
        return nullptr;
    }
    m_extracted = path;
    return m_extracted.c_str();
}

bool ArchiveWalk::removeCurrent()
{
    if (m_extracted.empty())
        return true;
    bool gone = removeFile(m_extracted);
    // A file still held open by a reader cannot go yet; it is tried again at close.
    if (!gone)
        m_leftovers.push_back(m_extracted);
    m_extracted.clear();
    return gone;
}

void ArchiveWalk::close()
{
    removeCurrent();
    for (const std::string& path : m_leftovers)
        removeFile(path);
    m_leftovers.clear();
    m_hasCurrent = false;
    m_lastStatus = ExtractStatus::NoMember;
    m_reader.reset();
    m_source.reset();
    m_type = ArchiveType::None;
}

}  // namespace torpin
