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
    bool Loaded() const { return m_scanner && m_scanner->Loaded(); }
    size_t SignatureCount() const;
    void Versions(
        uint32_t* engineVersion, uint32_t* signatureVersion, uint32_t* engineDate, uint32_t* signatureDate) const;

    unsigned ScanFile(const char* path, HANDLE handle);
    unsigned ScanBuffer(const void* data, uint32_t size);
    unsigned ScanBoot(int drive);
    unsigned NeutralizeBoot(int drive);
    void ForgetLast();
    uint16_t LastId() const { return m_lastId; }
    const char* LastName() const { return m_lastName; }
    // Held by each call for its whole length: one instance does one thing at a time.
    std::mutex& Busy() { return m_busy; }

private:
    unsigned ScanSource(FileSource& source);
    unsigned DetectionStatus(const Detection& d);
    void Remember(const Detection& d);

    uint16_t m_words[17];
    ScanOptions m_options;
    std::unique_ptr<Scanner> m_scanner;
    uint16_t m_lastId = 0;
    char m_lastName[260] = {};
    std::mutex m_busy;
};

}  // namespace kelvex
