// Fuzz target: text through the three source readers, then the writer, reader and virus list.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "sig_file_reader.h"
#include "sig_file_writer.h"
#include "source_compiler.h"
#include "version_values.h"
#include "virus_list_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    kelvex::SourceCompiler c;
    c.Add(text, kelvex::SourceCompiler::Format(data[0] % 3), "fuzz");
    std::string bytes, error;
    if (!kelvex::SigFileWriter::Serialize(c.Set(), bytes, error))
        return 0;
    kelvex::SignatureSet back;
    // What the writer wrote from an accepted source must read back (unless it asks for a newer engine).
    const kelvex::LoadStatus status = kelvex::SigFileReader::Parse(bytes, back);
    if (status == kelvex::kLoadNeedsNewerEngine && c.Set().versions.engineVersion > kelvex::kEngineVersion)
        return 0;
    if (status != kelvex::kLoadOk)
        std::abort();
    if (back.bodies.size() != c.Set().bodies.size() || back.hashes.size() != c.Set().hashes.size())
        std::abort();
    kelvex::VirusListWriter::Text(back);
    return 0;
}
