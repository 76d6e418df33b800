// Curer: applies truncate, restore and overwrite repairs and checks that they worked.
#include "curer.h"

#include <algorithm>

namespace kelvex {
namespace {

constexpr int kMaxRounds = 8;
constexpr uint64_t kFillPiece = 64 * 1024;

bool CutAt(FileSource& file, const Detection& d, int64_t delta)
{
    const int64_t cut = int64_t(d.start) + delta;
    if (cut < 0 || uint64_t(cut) >= file.Size())
        return false;
    return file.Truncate(uint64_t(cut));
}

}  // namespace

uint16_t Curer::Apply(FileSource& file, const CureSpec& cure, const Detection& d) const
{
    const uint64_t size = file.Size();
    switch (cure.method) {
    case CureMethod::None: return kCureCannot;
    case CureMethod::Destructive: return kCureDestructive;
    case CureMethod::Truncate:
        if (!file.Resizable())
            return kCureCannot;
        return CutAt(file, d, cure.truncateDelta) ? uint16_t(kCureTruncated) : uint16_t(kCureFailed);
    case CureMethod::Restore: {
        if (cure.hasTruncate && !file.Resizable())
            return kCureCannot;
        if (cure.offset < 0 || uint64_t(cure.offset) + cure.data.size() > size)
            return kCureFailed;
        if (!file.Write(uint64_t(cure.offset), cure.data.data(), cure.data.size()))
            return kCureFailed;
        if (cure.hasTruncate && !CutAt(file, d, cure.truncateDelta))
            return kCureFailed;
        return kCureRestored;
    }
    case CureMethod::Overwrite: {
        const int64_t from = int64_t(d.start) + cure.offset;
        if (from < 0 || uint64_t(from) + cure.length > size)
            return kCureFailed;
        // The range may be as large as the file: it is filled a piece at a time.
        const std::string fill(size_t(std::min<uint64_t>(cure.length, kFillPiece)), char(cure.fill));
        for (uint64_t done = 0; done < cure.length;) {
            const size_t n = size_t(std::min<uint64_t>(fill.size(), cure.length - done));
            if (!file.Write(uint64_t(from) + done, fill.data(), n))
                return kCureFailed;
            done += n;
        }
        return kCureOverwritten;
    }
    }
    return kCureFailed;
}

uint16_t Curer::Cure(FileSource& file, const ScanOptions& options, Detection& last) const
{
    uint16_t result = kCureNothingFound;
    Detection previous;
    for (int round = 0; round < kMaxRounds; ++round) {
        Detection d;
        switch (m_scanner.Scan(file, options, d)) {
        case ScanOutcome::ReadError: return kCureReadError;
        case ScanOutcome::Clean: return result;
        case ScanOutcome::Infected: break;
        }
        if (round == 0)
            last = d;
        // The same virus at the same place again: the repair did not take.
        if (round > 0 && d.isHash == previous.isHash && d.index == previous.index && d.start == previous.start)
            return kCureFailed;
        const uint16_t step = Apply(file, m_scanner.CureOf(d), d);
        if (step == kCureCannot || step == kCureDestructive || step == kCureFailed)
            return step;
        result = (result == kCureNothingFound || result == step) ? step : uint16_t(kCureMixed);
        previous = d;
    }
    return kCureFailed;
}

bool Curer::NeutralizeBootSector(std::string& sector)
{
    if (sector.size() != 512)
        return false;
    // jmp short +0x3C; nop: lands on the loader at offset 62, after the disk parameters.
    sector[0] = char(0xEB);
    sector[1] = char(0x3C);
    sector[2] = char(0x90);
    for (size_t i = 62; i < 510; ++i)
        sector[i] = 0;
    // int 18h: the firmware goes on with the next boot device.
    sector[62] = char(0xCD);
    sector[63] = char(0x18);
    sector[510] = char(0x55);
    sector[511] = char(0xAA);
    return true;
}

}  // namespace kelvex
