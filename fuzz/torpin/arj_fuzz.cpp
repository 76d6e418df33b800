// Fuzz target: Arj archives of any shape, walked whole as the scanner walks them.
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    torpin::fuzz::walkWhole(data, size);
    return 0;
}
