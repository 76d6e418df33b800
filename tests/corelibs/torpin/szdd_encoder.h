// A small LZSS encoder writing the "SZDD" format, so tests need no outside tool.
#pragma once

#include "zip_builder.h"

namespace torpin::test {

// Compresses data with greedy matches of 3 to 18 bytes within the last 4095 bytes.
Bytes szddEncode(const Bytes& data, char missingChar = 0);

}  // namespace torpin::test
