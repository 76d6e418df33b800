// Fuzz target: the first line is a hex pattern (with an optional anchor), the rest a file to scan
// and to cure; checks that a match lies inside the file.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "curer.h"
#include "scanner.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t nl = input.find('\n');
    if (nl == std::string::npos || nl > 400)
        return 0;
    kelvex::BodySignature b;
    b.id = 1;
    b.name = "Fuzz";
    b.hex = input.substr(0, nl);
    if (!b.hex.empty() && b.hex[0] == '@') {
        b.anchor = kelvex::AnchorKind::FromStart;
        b.anchorOffset = 3;
        b.anchorWindow = 5;
        b.hex.erase(0, 1);
    } else if (!b.hex.empty() && b.hex[0] == '$') {
        b.anchor = kelvex::AnchorKind::FromEnd;
        b.anchorOffset = 20;
        b.hex.erase(0, 1);
    }
    b.cure.method = kelvex::CureMethod::Truncate;
    std::string error;
    if (!kelvex::ParseHexPattern(b.hex, b.pattern, error))
        return 0;
    kelvex::SignatureSet set;
    set.bodies.push_back(b);
    kelvex::Scanner scanner;
    if (!scanner.Load(std::move(set), error))
        return 0;
    const std::string body = input.substr(nl + 1);
    kelvex::MemorySource file(body);
    kelvex::Detection d;
    kelvex::ScanOptions options;
    options.reviewer = true;
    if (scanner.Scan(file, options, d) == kelvex::ScanOutcome::Infected && (d.start > d.end || d.end > body.size()))
        std::abort();
    kelvex::Detection first;
    kelvex::Curer(scanner).Cure(file, options, first);
    return 0;
}
