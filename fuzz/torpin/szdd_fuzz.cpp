// Fuzz target: compressed single files, expanded from a real file into a temporary one
// and deleted again, as the scanner expands them.
#include <cstdio>

#include "compressed_file.h"
#include "reader_fuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static torpin::TempFileFactory temps(0x2000);
    static const std::string input = torpin::fuzz::scratchFolder() + "-input.EX_";
    temps.setDirectory(torpin::fuzz::scratchFolder());
    std::FILE* f = std::fopen(input.c_str(), "wb");
    if (!f)
        return 0;
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    std::string expanded;
    if (torpin::expandCompressedFile(input, temps, expanded) == torpin::ExtractStatus::Ok)
        torpin::removeFile(expanded);
    std::remove(input.c_str());
    torpin::fuzz::requireEmpty(torpin::fuzz::scratchFolder());
    return 0;
}
