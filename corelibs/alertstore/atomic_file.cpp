// Whole-file reads and atomic replacement through a sibling ".NEW" file.
#include "atomic_file.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <thread>

bool ReplaceFileContents(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
    const std::string fresh = path + ".NEW";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        if (!out)
            return false;
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ignored;
            std::filesystem::remove(fresh, ignored);
            return false;
        }
    }
    // Somebody reading the old file at this moment holds it open; a short, bounded wait
    // lets the reader finish instead of failing the write.
    std::error_code error;
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::filesystem::rename(fresh, path, error);
        if (!error)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(fresh, ignored);
        return false;
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t limit)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0 || static_cast<std::uint64_t>(size) > limit)
        return std::nullopt;
    in.seekg(0, std::ios::beg);
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    if (size > 0 && !in.read(reinterpret_cast<char*>(bytes.data()), size))
        return std::nullopt;
    return bytes;
}

bool FileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool EnsureFolder(const std::string& path)
{
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}
