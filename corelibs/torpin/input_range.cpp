// Refills the buffer only when it is used up, so decoders read the file in large blocks.
#include "input_range.h"

namespace torpin {

InputRange::InputRange(ByteSource& source, std::uint64_t start, std::uint64_t end, std::size_t bufferSize)
    : source_(source), next_(start), end_(end < start ? start : end), buffer_(bufferSize) {}

bool InputRange::fill(const std::uint8_t*& data, std::size_t& n) {
    if (head_ == tail_) {
        head_ = tail_ = 0;
        if (next_ >= end_) return false;
        std::uint64_t left = end_ - next_;
        std::size_t want = left < buffer_.size() ? static_cast<std::size_t>(left) : buffer_.size();
        std::size_t got = source_.read(next_, buffer_.data(), want);
        if (got == 0) {
            end_ = next_;  // a failed read ends the range
            return false;
        }
        next_ += got;
        tail_ = got;
    }
    data = buffer_.data() + head_;
    n = tail_ - head_;
    return true;
}

}  // namespace torpin
