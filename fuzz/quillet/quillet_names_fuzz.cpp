// Arbitrary bytes as an infected file's path and the move folder, under a double-byte code page:
// the names the actions make never lose the file's name, and a numbered name ends in its digit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "local_file_names.h"

namespace {

bool JapaneseLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    const int digit = data[0] % 10;
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    const size_t split = text.find('|');
    const std::string folder = split == std::string::npos ? "C:\\VIRUS" : text.substr(0, split);
    const std::string path = split == std::string::npos ? text : text.substr(split + 1);
    using namespace local_file_names;
    for (LeadBytePredicate rule : {NoLeadBytes, JapaneseLeadByte}) {
        const size_t separator = LastSeparator(path, rule);
        Require(separator == std::string::npos || separator < path.size());
        const std::string name = separator == std::string::npos ? path : path.substr(separator + 1);
        const std::string moved = MoveTarget(folder, path, rule);
        Require(moved.size() >= name.size() && moved.compare(moved.size() - name.size(), name.size(), name) == 0);
        const std::string renamed = RenameTarget(path, "AVB", rule);
        Require(renamed.size() >= 3 && renamed.compare(renamed.size() - 3, 3, "AVB") == 0);
        const std::string numbered = NumberedName(renamed, digit, rule);
        Require(numbered.size() <= renamed.size() && numbered.back() == static_cast<char>('0' + digit));
        Require(SameName(path, path));
    }
    return 0;
}
