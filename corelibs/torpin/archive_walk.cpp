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
    explicit CountingSink(ByteSink& inner) : inner_(inner) {}
    bool write(const std::uint8_t* data, std::size_t n) override {
        if (!inner_.write(data, n)) return false;
        count += n;
        return true;
    }
    std::uint64_t count = 0;

private:
    ByteSink& inner_;
};

}  // namespace

ArchiveWalk::~ArchiveWalk() { close(); }

bool ArchiveWalk::open(const std::string& path) {
    auto file = std::make_unique<FileSource>();
    if (!file->open(path)) return false;
    return open(std::move(file));
}

bool ArchiveWalk::open(std::unique_ptr<ByteSource> source) {
    close();
    source_ = std::move(source);
    type_ = detectArchiveType(*source_);
    reader_ = makeReader(type_, *source_);
    return reader_ != nullptr;
}

const char* ArchiveWalk::first() {
    removeCurrent();
    hasCurrent_ = false;
    lastStatus_ = ExtractStatus::NoMember;
    if (!reader_) return nullptr;
    return advance(reader_->first(current_));
}

const char* ArchiveWalk::next() {
    removeCurrent();
    lastStatus_ = ExtractStatus::NoMember;
    if (!reader_ || !hasCurrent_) return nullptr;
    return advance(reader_->next(current_));
}

const char* ArchiveWalk::advance(bool found) {
    while (found) {
        if (++seen_ > limits_.maxMembers) break;
        if (!current_.directory) {
            hasCurrent_ = true;
            return current_.name.c_str();
        }
        found = reader_->next(current_);
    }
    hasCurrent_ = false;
    return nullptr;
}

const char* ArchiveWalk::extractCurrent() {
    if (!hasCurrent_) {
        lastStatus_ = ExtractStatus::NoMember;
        return nullptr;
    }
    if (!extracted_.empty()) {
        lastStatus_ = ExtractStatus::Ok;
        return extracted_.c_str();
    }
    if (current_.encrypted) {
        lastStatus_ = ExtractStatus::Encrypted;
        return nullptr;
    }
    if (!reader_->locate(current_)) {
        lastStatus_ = ExtractStatus::Corrupt;
        return nullptr;
    }
    if (!written_.claim(current_.rangeStart, current_.rangeEnd)) {
        lastStatus_ = ExtractStatus::Overlap;
        return nullptr;
    }
    std::uint64_t left = limits_.maxArchiveBytes > bytesWritten_ ? limits_.maxArchiveBytes - bytesWritten_ : 0;
    std::uint64_t budget = std::min(limits_.maxMemberBytes, left);
    if (current_.size > budget) {
        lastStatus_ = ExtractStatus::Limit;
        return nullptr;
    }
    std::string path;
    std::FILE* file = temps_.create(TempFileFactory::safeExtension(current_.name), path);
    if (!file) {
        lastStatus_ = ExtractStatus::WriteFailed;
        return nullptr;
    }
    FileSink fileSink(file);
    CountingSink counted(fileSink);
    ExtractStatus status = reader_->extract(current_, counted, budget);
    bytesWritten_ += counted.count;
    if (std::fclose(file) != 0 && status == ExtractStatus::Ok) status = ExtractStatus::WriteFailed;
    lastStatus_ = status;
    if (status != ExtractStatus::Ok) {
        removeFile(path);
        return nullptr;
    }
    extracted_ = path;
    return extracted_.c_str();
}

bool ArchiveWalk::removeCurrent() {
    if (extracted_.empty()) return true;
    bool gone = removeFile(extracted_);
    // A file still held open by a reader cannot go yet; it is tried again at close.
    if (!gone) leftovers_.push_back(extracted_);
    extracted_.clear();
    return gone;
}

void ArchiveWalk::close() {
    removeCurrent();
    for (const std::string& path : leftovers_) removeFile(path);
    leftovers_.clear();
    hasCurrent_ = false;
    lastStatus_ = ExtractStatus::NoMember;
    reader_.reset();
    source_.reset();
    type_ = ArchiveType::None;
}

}  // namespace torpin
