// Fuzz target: Zip archives of any shape, listed and decoded.
#include "zip_reader.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    torpin::MemorySource source(data, size);
    torpin::ZipReader reader(source);
    torpin::fuzz::walkAll(reader);
    return 0;
}
