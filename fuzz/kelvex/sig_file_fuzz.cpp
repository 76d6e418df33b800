// Fuzz target: VIRSIG.DAT bytes through the reader and, when they load, into a scanner and a scan.
// An odd first byte has the target rewrite the payload size and both checksums first, so that
// mutations reach the record checks behind them.
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "scanner.h"
#include "sig_file_reader.h"

namespace {

void Put32(std::string& s, size_t at, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        s[at + size_t(i)] = char(v >> (8 * i));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    if ((data[0] & 1) && bytes.size() >= 64) {
        const auto* p = reinterpret_cast<const Bytef*>(bytes.data());
        Put32(bytes, 28, uint32_t(bytes.size() - 64));
        Put32(bytes, 32, uint32_t(crc32(0, p + 64, uInt(bytes.size() - 64))));
        Put32(bytes, 60, uint32_t(crc32(0, p, 60)));
    }
    kelvex::SignatureSet set;
    if (kelvex::SigFileReader::Parse(bytes, set) != kelvex::kLoadOk)
        return 0;
    kelvex::Scanner scanner;
    std::string error;
    if (!scanner.Load(std::move(set), error))
        return 0;
    kelvex::MemorySource file(bytes);
    kelvex::Detection d;
    scanner.Scan(file, kelvex::ScanOptions {}, d);
    return 0;
}
