// Positioned access to the record table file, whatever opens it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

// Positioned access to the open table file; the Windows side opens it excluding other writers.
class TableFile {
public:
    virtual ~TableFile() = default;
    virtual std::optional<std::uint64_t> Size() = 0;
    virtual bool ReadAt(std::uint64_t offset, std::uint8_t* data, std::size_t size) = 0;
    virtual bool WriteAt(std::uint64_t offset, const std::uint8_t* data, std::size_t size) = 0;
};
