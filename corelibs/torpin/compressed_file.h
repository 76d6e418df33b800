// Expanding a compressed single file into the temporary folder.
#pragma once

#include <string>

#include "extract_status.h"
#include "temp_file_factory.h"

namespace torpin {

// Expands the file at path into a new temporary file whose extension is the original
// name's; path receives its name. Nothing is left behind on failure.
ExtractStatus expandCompressedFile(const std::string& path, TempFileFactory& temps, std::string& expandedPath);

}  // namespace torpin
