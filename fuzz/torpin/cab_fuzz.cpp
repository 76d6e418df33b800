// Fuzz target: Cab archives of any shape, listed and decoded.
#include "cab_reader.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    torpin::MemorySource source(data, size);
    torpin::CabReader reader(source);
    torpin::fuzz::walkAll(reader);
    return 0;
}
