// BoundedSource: counts what is read and watches the clock on every read.
#include "bounded_source.h"

namespace torpin {

BoundedSource::BoundedSource(ByteSource& inner, std::uint64_t maxBytes, std::chrono::milliseconds maxTime)
    : inner_(inner), maxBytes_(maxBytes), deadline_(std::chrono::steady_clock::now() + maxTime) {}

std::size_t BoundedSource::read(std::uint64_t offset, void* out, std::size_t n) {
    if (exhausted_) return 0;
    if (n > maxBytes_ - bytesRead_ || std::chrono::steady_clock::now() > deadline_) {
        exhausted_ = true;
        return 0;
    }
    std::size_t got = inner_.read(offset, out, n);
    bytesRead_ += got;
    return got;
}

}  // namespace torpin
