// Creates the temporary files that members are written to, under generated names.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace torpin {

class TempFileFactory {
public:
    // seed varies the generated names between processes sharing a directory.
    explicit TempFileFactory(std::uint32_t seed = 0) : m_counter(seed) { }

    void setDirectory(const std::string& directory) { m_directory = directory; }
    const std::string& directory() const { return m_directory; }

    // Creates a new file that did not exist before, named "TPN" and eight hex digits,
    // with the given extension when it is made of letters and digits only. Returns
    // null when no file could be created; path receives its name.
    std::FILE* create(const std::string& extension, std::string& path);

    // The extension of a member name: the text after its last '.', when no folder
    // separator follows, kept only when it is 1 to 8 letters or digits.
    static std::string safeExtension(const std::string& name);

private:
    std::string m_directory;
    std::uint32_t m_counter;
};

// Deletes a file; true when it is gone afterwards.
bool removeFile(const std::string& path);

}  // namespace torpin
