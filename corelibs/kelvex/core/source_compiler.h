// Reads signature sources (our .kvs text, .ndb body lines, .hdb hash lines) into a signature set.
#pragma once
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "signature.h"

namespace kelvex {

class SourceCompiler {
public:
    enum class Format { Kvs, Ndb, Hdb };
    // Longest virus name accepted, in characters.
    static constexpr size_t kMaxNameChars = 64;
    static bool FormatOf(const std::string& fileName, Format& out);

    // Adds the lines of one source; each bad line adds "file:line: reason" to Errors().
    void Add(std::string_view text, Format format, const std::string& fileName);
    bool AddFile(const std::string& path);

    SignatureSet& Set() { return m_set; }
    const std::vector<std::string>& Errors() const { return m_errors; }

private:
    void KvsLine(std::string_view line);
    void NdbLine(std::string_view line);
    void HdbLine(std::string_view line);
    bool Offset(std::string_view text, BodySignature& sig);
    bool Pattern(BodySignature& sig);
    bool Cure(std::string_view text, CureSpec& cure);
    uint16_t ImportedId(const std::string& name);
    void Error(const std::string& why);
    // A name is one virus.lst line and what ordinal 23 answers: false (with the error
    // given) when it is too long or holds a control character.
    bool NameAccepted(const std::string& name);

    SignatureSet m_set;
    std::vector<std::string> m_errors;
    std::map<std::string, uint16_t> m_importedIds;
    uint32_t m_nextImportedId = 0x1000;
    std::string m_file;
    size_t m_line = 0;
};

}  // namespace kelvex
