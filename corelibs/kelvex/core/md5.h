// MD5 digest of a byte stream, fed in pieces.
#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvex {

class Md5 {
public:
    Md5();
    void Update(const void* data, size_t size);
    std::array<uint8_t, 16> Final();

private:
    void Block(const uint8_t* p);
    uint32_t m_state[4];
    uint64_t m_total = 0;
    uint8_t m_buffer[64];
};

}  // namespace kelvex
