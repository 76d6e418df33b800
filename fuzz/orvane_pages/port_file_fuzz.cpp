// Any bytes as PORT.CFG: every record's list line, and the saved bytes read back to the same records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "port_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::vector<std::uint8_t> bytes(data, data + size);
    const port_file::PortFileContent content = port_file::ParsePortFile(bytes);
    for (const PortRecord& record : content.records)
        (void)port_file::DisplayLine(record);
    const std::vector<std::uint8_t> saved = port_file::PortFileBytes(content.header, content.records);
    const port_file::PortFileContent again = port_file::ParsePortFile(saved);
    const std::size_t expected = content.records.empty() ? 1 : content.records.size();
    if (again.records.size() != expected || saved.size() != port_file::kBlockSize * (1 + expected))
        std::abort();
    for (std::size_t i = 0; i < content.records.size(); ++i) {
        if (std::memcmp(&again.records[i], &content.records[i], sizeof(PortRecord)) != 0)
            std::abort();
    }
    return 0;
}
