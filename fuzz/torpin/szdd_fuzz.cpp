// Fuzz target: compressed single files, expanded.
#include "byte_sink.h"
#include "reader_fuzz.h"
#include "szdd_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    torpin::MemorySource source(data, size);
    torpin::NullSink sink;
    torpin::SzddDecoder::expand(source, sink, torpin::fuzz::kFuzzMaxBytes);
    return 0;
}
