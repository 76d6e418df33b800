// A source that stops answering once a budget of bytes or time is spent, so that deciding
// a file's type can never keep the caller busy.
#pragma once

#include <chrono>
#include <cstdint>

#include "byte_source.h"

namespace torpin {

class BoundedSource final : public ByteSource {
public:
    BoundedSource(ByteSource& inner, std::uint64_t maxBytes, std::chrono::milliseconds maxTime);

    std::uint64_t size() const override { return m_inner.size(); }
    // Reads as the inner source does until the budget is spent; then reads nothing.
    std::size_t read(std::uint64_t offset, void* out, std::size_t n) override;

    bool exhausted() const { return m_exhausted; }
    std::uint64_t bytesRead() const { return m_bytesRead; }

private:
    ByteSource& m_inner;
    std::uint64_t m_maxBytes;
    std::chrono::steady_clock::time_point m_deadline;
    std::uint64_t m_bytesRead = 0;
    bool m_exhausted = false;
};

}  // namespace torpin
