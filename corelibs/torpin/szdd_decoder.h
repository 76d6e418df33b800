// Files compressed with the Microsoft compression tool ("SZDD" header, LZSS data).
#pragma once

#include <cstdint>
#include <string>

#include "byte_sink.h"
#include "byte_source.h"
#include "extract_status.h"

namespace torpin {

struct SzddHeader {
    char missingChar = 0;  // the last character of the name, replaced by '_'
    std::uint32_t size = 0;  // declared expanded size
};

class SzddDecoder {
public:
    static constexpr std::size_t kHeaderSize = 14;

    // True when the source starts with the header of a file this decoder expands.
    static bool readHeader(ByteSource& source, SzddHeader& header);

    // The original name: a trailing '_' replaced by the header's missing character when
    // that is a letter or digit. Without one (0 or anything else) the '_' is dropped only
    // from an extension of four or more characters ("SETUP.EXE_"), where it was added;
    // "SETUP.EX_" stays as it is, which the scanner's rules still take for a program.
    static std::string expandedName(const std::string& name, char missingChar);

    // Expands the whole file into sink, at most maxBytes, checking that the result
    // has the declared size.
    static ExtractStatus expand(ByteSource& source, ByteSink& sink, std::uint64_t maxBytes);
};

}  // namespace torpin
