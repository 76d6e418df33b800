// An in-memory record table file that also remembers the order of its writes.
#pragma once

#include <cstring>
#include <utility>
#include <vector>

#include "alert_table.h"

class MemoryTableFile : public TableFile {
public:
    std::vector<std::uint8_t> bytes;
    std::vector<std::pair<std::uint64_t, std::size_t>> writes;  // offset and size of each write

    std::optional<std::uint64_t> Size() override { return bytes.size(); }
    bool ReadAt(std::uint64_t offset, std::uint8_t* data, std::size_t size) override
    {
        if (offset + size > bytes.size())
            return false;
        std::memcpy(data, bytes.data() + offset, size);
        return true;
    }
    bool WriteAt(std::uint64_t offset, const std::uint8_t* data, std::size_t size) override
    {
        if (offset + size > bytes.size())
            bytes.resize(offset + size, 0);
        std::memcpy(bytes.data() + offset, data, size);
        writes.emplace_back(offset, size);
        return true;
    }
};
