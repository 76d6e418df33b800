// Layout constants of VIRSIG.DAT and the statuses of loading it (README: "VIRSIG.DAT").
#pragma once
#include <cstddef>
#include <cstdint>

namespace kelvex {

constexpr char kSigMagic[8] = {'K', 'V', 'X', 'S', 'I', 'G', 0x1A, 0};
constexpr uint16_t kSigFormatVersion = 1;
constexpr size_t kSigHeaderSize = 64;
constexpr size_t kSigRecordHead = 48;
constexpr uint8_t kRecordBody = 1;
constexpr uint8_t kRecordHash = 2;

enum LoadStatus : uint16_t {
    kLoadOk = 0,
    kLoadOutOfMemory = 10,
    kLoadNotOpened = 11,
    kLoadReadError = 12,
    kLoadBadFormat = 20,
    kLoadNeedsNewerEngine = 21,
};

}  // namespace kelvex
