// The expanded copy keeps the original extension, so the scanner's extension rules
// still see an ".EXE" in "SETUP.EX_".
#include "compressed_file.h"

#include "archive_limits.h"
#include "byte_sink.h"
#include "byte_source.h"
#include "szdd_decoder.h"

namespace torpin {

ExtractStatus expandCompressedFile(const std::string& path, TempFileFactory& temps, std::string& expandedPath)
{
    FileSource source;
    SzddHeader header;
    if (!source.open(path) || !SzddDecoder::readHeader(source, header))
        return ExtractStatus::Unsupported;
    std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    std::string original = SzddDecoder::expandedName(name, header.missingChar);
    std::string created;
    std::FILE* file = temps.create(TempFileFactory::safeExtension(original), created);
    if (!file)
        return ExtractStatus::WriteFailed;
    FileSink sink(file);
    ExtractStatus status = SzddDecoder::expand(source, sink, limits::kMaxMemberBytes);
    if (std::fclose(file) != 0 && status == ExtractStatus::Ok)
        status = ExtractStatus::WriteFailed;
    if (status != ExtractStatus::Ok) {
        removeFile(created);
        return status;
    }
    expandedPath = created;
    return ExtractStatus::Ok;
}

}  // namespace torpin
