// Arbitrary text as every ScanOptions value and as virus.lst: the readers keep their limits, and what the
// section writes back reads back to the same record.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

#include "scan_options_profile.h"
#include "virus_list_file.h"

namespace {

class TextSection : public ProfileSection {
public:
    explicit TextSection(const std::string& text) : m_text(text) { }
    std::optional<std::string> Read(const char* key) const override
    {
        const auto found = m_written.find(key);
        if (found != m_written.end())
            return found->second;
        // Each key reads a different slice of the input, and a key with the input's first byte odd is missing.
        if (m_text.empty() || (m_text[0] & 1))
            return std::nullopt;
        const size_t start = std::strlen(key) % m_text.size();
        return m_text.substr(start, 80);
    }
    bool Write(const char* key, const std::string& value) override
    {
        m_written[key] = value;
        return true;
    }

private:
    std::string m_text;
    std::map<std::string, std::string> m_written;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    TextSection section(text);
    LocalScanOptions options;
    LoadScanOptions(section, options);
    if (options.executableCount < 0 || options.executableCount > kExtensionListCapacity ||
        options.archiveCount > kExtensionListCapacity || options.mailDatabaseCount > kExtensionListCapacity ||
        options.renameExtension[kExtensionSize - 1] != '\0')
        std::abort();
    SaveScanOptions(options, section);
    LocalScanOptions reread;
    LoadScanOptions(section, reread);
    if (std::memcmp(&options, &reread, sizeof options) != 0)
        std::abort();

    const VirusListContents list = ParseVirusList(text);
    for (const std::string& name : list.names) {
        if (name.empty() || name.size() > 255)
            std::abort();
    }
    if (list.signatureVersion.size() > 4 || list.virusCount.size() > 4)
        std::abort();
    if (!list.names.empty())
        FindVirusName(list.names, list.names.back().substr(0, 3));
    VirusListSaveName(text, true);
    return 0;
}
