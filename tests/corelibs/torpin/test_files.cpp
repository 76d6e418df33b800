// Test content is generated, never checked in, except where a tool is needed to make it.
#include "test_files.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace torpin::test {
namespace {

std::uint32_t step(std::uint32_t& state)
{
    state = state * 1664525u + 1013904223u;
    return state >> 8;
}

}  // namespace

Bytes textContent(std::size_t size, std::uint32_t seed)
{
    static const char* const words[] = {"scan ", "virus ", "alert ", "server ", "archive ", "member ", "the ", "of ",
        "and ", "record ", "signature ", "\r\n", "Vexomar ", "log ", "file ", "drive "};
    Bytes out;
    out.reserve(size + 16);
    std::uint32_t state = seed;
    while (out.size() < size) {
        const char* w = words[step(state) % 16];
        while (*w && out.size() < size)
            out.push_back(static_cast<std::uint8_t>(*w++));
        if (step(state) % 7 == 0) {
            std::uint32_t n = step(state) % 1000;
            for (char c : std::to_string(n))
                if (out.size() < size)
                    out.push_back(static_cast<std::uint8_t>(c));
        }
    }
    return out;
}

Bytes noiseContent(std::size_t size, std::uint32_t seed)
{
    Bytes out(size);
    std::uint32_t state = seed;
    for (auto& b : out)
        b = static_cast<std::uint8_t>(step(state));
    return out;
}

TempDir::TempDir()
{
    static std::atomic<unsigned> serial {0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    m_path = std::filesystem::temp_directory_path() /
        ("torpin-test-" + std::to_string(stamp) + "-" + std::to_string(serial++));
    std::filesystem::create_directories(m_path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

std::vector<std::string> TempDir::files() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_path))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void writeFile(const std::filesystem::path& path, const Bytes& data)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
}

Bytes readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Bytes dataFile(const std::string& name)
{
    const char* root = std::getenv("VEX_TEST_DATA");
    std::string folder = root ? root : ".";
#ifdef _WIN32
    // Under Wine the build machine's folders are reached through drive Z:.
    if (!folder.empty() && folder[0] == '/')
        folder = "Z:" + folder;
#endif
    return readFile(std::filesystem::path(folder) / "data" / name);
}

bool runIn(const std::filesystem::path& folder, const std::string& command)
{
    std::string line = "cd '" + folder.string() + "' && ( " + command + " ) >/dev/null 2>&1";
    return std::system(line.c_str()) == 0;
}

}  // namespace torpin::test
