// The signature compiler: builds VIRSIG.DAT and virus.lst from .kvs, .ndb and .hdb sources.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "scanner.h"
#include "sig_file_writer.h"
#include "source_compiler.h"
#include "version_values.h"
#include "virus_list_writer.h"

namespace {

int Usage()
{
    std::fprintf(stderr,
        "usage: kvxsigc [-o VIRSIG.DAT] [-l virus.lst] [--version M.mm] [--date YYYY-MM-DD] SOURCE...\n"
        "  SOURCE: .kvs (signature source), .ndb (body signatures) or .hdb (MD5 signatures)\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    std::string outPath = "VIRSIG.DAT", listPath = "virus.lst", version, date;
    std::vector<std::string> sources;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool hasValue = i + 1 < argc;
        if (a == "-o" && hasValue)
            outPath = argv[++i];
        else if (a == "-l" && hasValue)
            listPath = argv[++i];
        else if (a == "--version" && hasValue)
            version = argv[++i];
        else if (a == "--date" && hasValue)
            date = argv[++i];
        else if (!a.empty() && a[0] == '-')
            return Usage();
        else
            sources.push_back(a);
    }
    if (sources.empty())
        return Usage();

    kelvex::SourceCompiler compiler;
    kelvex::SignatureSet& set = compiler.Set();
    set.versions.engineVersion = kelvex::kEngineVersion;
    set.versions.engineDate = kelvex::kEngineDate;
    for (const std::string& s : sources)
        compiler.AddFile(s);
    if (!version.empty() && !kelvex::EncodeVersion(version, set.versions.signatureVersion)) {
        std::fprintf(stderr, "kvxsigc: bad --version \"%s\" (want M.mm, M from 0 to 9)\n", version.c_str());
        return 1;
    }
    if (!date.empty() && !kelvex::EncodeDate(date, set.versions.signatureDate)) {
        std::fprintf(stderr, "kvxsigc: bad --date \"%s\" (want YYYY-MM-DD)\n", date.c_str());
        return 1;
    }
    for (const std::string& e : compiler.Errors())
        std::fprintf(stderr, "%s\n", e.c_str());
    if (!compiler.Errors().empty())
        return 1;
    if (!set.versions.signatureVersion || !set.versions.signatureDate) {
        std::fprintf(
            stderr, "kvxsigc: no signature version or date: add 'version' and 'date' lines or --version and --date\n");
        return 1;
    }
    std::string error;
    kelvex::Scanner check;
    const size_t bodies = set.bodies.size(), hashes = set.hashes.size();
    if (!kelvex::SigFileWriter::WriteFile(set, outPath, error) || !check.Load(std::move(set), error)) {
        std::fprintf(stderr, "kvxsigc: %s\n", error.c_str());
        return 1;
    }
    if (!kelvex::VirusListWriter::WriteFile(check.Set(), listPath)) {
        std::fprintf(stderr, "kvxsigc: cannot write %s\n", listPath.c_str());
        return 1;
    }
    std::printf(
        "kvxsigc: %zu body and %zu hash signatures -> %s, %s\n", bodies, hashes, outPath.c_str(), listPath.c_str());
    return 0;
}
