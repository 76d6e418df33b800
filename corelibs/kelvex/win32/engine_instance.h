// One engine instance of KELVEX32.DLL: its option block, signatures and last detection.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

#include "scanner.h"

namespace kelvex {

// Statuses of the scan calls (README: "Statuses").
enum EngineStatus : unsigned {
    kStatusClean = 0,
    kStatusBodyVirus = 1,
    kStatusHashVirus = 4,
    kStatusSuspect = 8,
    kStatusUnreadable = 0x4010,
    kStatusNotReady = 0x4020,
    kStatusNotSupported = 0x40FF,
};

class EngineInstance {
public:
    EngineInstance();

    bool SetOptions(const uint16_t* words, int count);
    bool GetOptions(uint16_t* words, int count) const;
    unsigned Load(const char* path);
    void Unload();
    bool Loaded() const { return scanner_ && scanner_->Loaded(); }
    size_t SignatureCount() const;
    void Versions(uint32_t* engineVersion, uint32_t* signatureVersion, uint32_t* engineDate, uint32_t* signatureDate) const;

    unsigned ScanFile(const char* path, HANDLE handle);
    unsigned ScanBuffer(const void* data, uint32_t size);
    unsigned ScanBoot(int drive);
    unsigned NeutralizeBoot(int drive);
    void ForgetLast();
    uint16_t LastId() const { return lastId_; }
    const char* LastName() const { return lastName_; }
    // Held by each call for its whole length: one instance does one thing at a time.
    std::mutex& Busy() { return busy_; }

private:
    unsigned ScanSource(FileSource& source);
    unsigned DetectionStatus(const Detection& d);
    void Remember(const Detection& d);

    uint16_t words_[17];
    ScanOptions options_;
    std::unique_ptr<Scanner> scanner_;
    uint16_t lastId_ = 0;
    char lastName_[260] = {};
    std::mutex busy_;
};

}  // namespace kelvex
