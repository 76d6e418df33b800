// EngineInstance: the work behind the ordinals, on files, buffers and boot sectors.
#include "engine_instance.h"

#include <cstring>
#include <new>

#include "curer.h"
#include "sector_source.h"
#include "sig_file_reader.h"
#include "version_values.h"
#include "win32_file.h"

namespace kelvex {
namespace {

constexpr uint16_t kInitialWords[17] = {1, 0, 6, 0, 0, 1, 8, 1, 16, 1, 30, 0, 0, 20, 0, 0, 0};
constexpr DWORD kSectorSize = 512;

HANDLE OpenDrive(int drive, bool write)
{
    const char letter = char(drive & 0xFF);
    if (!((letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z')))
        return INVALID_HANDLE_VALUE;
    char device[] = "\\\\.\\A:";
    device[4] = letter;
    return CreateFileA(device, write ? GENERIC_READ | GENERIC_WRITE : GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
        nullptr, OPEN_EXISTING, 0, nullptr);
}

bool ReadSector(HANDLE h, std::string& sector)
{
    sector.assign(kSectorSize, '\0');
    DWORD got = 0;
    return SetFilePointer(h, 0, nullptr, FILE_BEGIN) == 0 && ReadFile(h, sector.data(), kSectorSize, &got, nullptr) &&
        got == kSectorSize;
}

bool WriteSector(HANDLE h, const std::string& sector)
{
    DWORD put = 0;
    return SetFilePointer(h, 0, nullptr, FILE_BEGIN) == 0 && WriteFile(h, sector.data(), kSectorSize, &put, nullptr) &&
        put == kSectorSize;
}

}  // namespace

EngineInstance::EngineInstance()
{
    std::memcpy(m_words, kInitialWords, sizeof m_words);
    ScanOptions::FromWords(m_words, 17, m_options);
}

bool EngineInstance::SetOptions(const uint16_t* words, int count)
{
    ScanOptions o;
    if (count != 17 || !ScanOptions::FromWords(words, unsigned(count), o))
        return false;
    std::memcpy(m_words, words, sizeof m_words);
    m_options = o;
    return true;
}

bool EngineInstance::GetOptions(uint16_t* words, int count) const
{
    if (!words || count != 17)
        return false;
    std::memcpy(words, m_words, sizeof m_words);
    return true;
}

unsigned EngineInstance::Load(const char* path)
{
    try {
        SignatureSet set;
        const LoadStatus status = SigFileReader::ReadFile(path, set);
        if (status != kLoadOk)
            return status;
        auto scanner = std::make_unique<Scanner>();
        std::string error;
        if (!scanner->Load(std::move(set), error))
            return kLoadBadFormat;
        m_scanner = std::move(scanner);
        return kLoadOk;
    } catch (const std::bad_alloc&) {
        return kLoadOutOfMemory;
    }
}

void EngineInstance::Unload()
{
    m_scanner.reset();
}

size_t EngineInstance::SignatureCount() const
{
    return Loaded() ? m_scanner->Set().bodies.size() + m_scanner->Set().hashes.size() : 0;
}

void EngineInstance::Versions(
    uint32_t* engineVersion, uint32_t* signatureVersion, uint32_t* engineDate, uint32_t* signatureDate) const
{
    const VersionValues none;
    const VersionValues& v = Loaded() ? m_scanner->Set().versions : none;
    if (engineVersion)
        *engineVersion = kEngineVersion;
    if (signatureVersion)
        *signatureVersion = v.signatureVersion;
    if (engineDate)
        *engineDate = kEngineDate;
    if (signatureDate)
        *signatureDate = v.signatureDate;
}

void EngineInstance::ForgetLast()
{
    m_lastId = 0;
    m_lastName[0] = 0;
}

void EngineInstance::Remember(const Detection& d)
{
    m_lastId = m_scanner->IdOf(d);
    const std::string& name = m_scanner->NameOf(d);
    const size_t n = name.size() < sizeof m_lastName - 1 ? name.size() : sizeof m_lastName - 1;
    std::memcpy(m_lastName, name.data(), n);
    m_lastName[n] = 0;
}

unsigned EngineInstance::DetectionStatus(const Detection& d)
{
    Remember(d);
    if (m_scanner->ReviewerOnly(d))
        return kStatusSuspect;
    return d.isHash ? kStatusHashVirus : kStatusBodyVirus;
}

unsigned EngineInstance::ScanSource(FileSource& source)
{
    if (m_options.cure) {
        Detection first;
        const uint16_t status = Curer(*m_scanner).Cure(source, m_options, first);
        if (first.index >= 0)
            Remember(first);
        return status;
    }
    Detection d;
    switch (m_scanner->Scan(source, m_options, d)) {
    case ScanOutcome::Clean: return kStatusClean;
    case ScanOutcome::ReadError: return kStatusUnreadable;
    case ScanOutcome::Infected: return DetectionStatus(d);
    }
    return kStatusUnreadable;
}

unsigned EngineInstance::ScanFile(const char* path, HANDLE handle)
{
    if (!Loaded())
        return kStatusNotReady;
    Win32File file(path, handle, m_options.cure);
    if (!file.Valid())
        return kStatusUnreadable;
    return ScanSource(file);
}

unsigned EngineInstance::ScanBuffer(const void* data, uint32_t size)
{
    if (!Loaded())
        return kStatusNotReady;
    if (!data && size)
        return kStatusUnreadable;
    MemorySource source(std::string(static_cast<const char*>(data), size));
    const bool cure = m_options.cure;
    m_options.cure = false;  // a caller's buffer is never changed
    const unsigned status = ScanSource(source);
    m_options.cure = cure;
    return status;
}

unsigned EngineInstance::ScanBoot(int drive)
{
    if (!Loaded())
        return kStatusNotReady;
    HANDLE h = OpenDrive(drive, m_options.cure);
    if (h == INVALID_HANDLE_VALUE)
        return kStatusUnreadable;
    std::string sector;
    unsigned status = kStatusUnreadable;
    if (ReadSector(h, sector)) {
        SectorSource source(sector);
        status = ScanSource(source);
        // A sector is written back only whole and only after a cure that succeeded: a
        // refused or failed repair leaves the disk as it was.
        const std::string& cured = source.Bytes();
        const bool curedWell =
            status == kCureTruncated || status == kCureRestored || status == kCureOverwritten || status == kCureMixed;
        if (m_options.cure && curedWell && cured != sector) {
            if (cured.size() != kSectorSize)
                status = kCureCannot;
            else if (!WriteSector(h, cured))
                status = kCureFailed;
        }
    }
    CloseHandle(h);
    return status;
}

unsigned EngineInstance::NeutralizeBoot(int drive)
{
    HANDLE h = OpenDrive(drive, true);
    if (h == INVALID_HANDLE_VALUE)
        return 1;
    std::string sector;
    const bool ok = ReadSector(h, sector) && Curer::NeutralizeBootSector(sector) && WriteSector(h, sector);
    CloseHandle(h);
    return ok ? 0 : 1;
}

}  // namespace kelvex
