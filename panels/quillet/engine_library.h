// EngineLibrary: the scanning engine's calls that start-up and shut-down make, and its loader.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

constexpr int kOptionWords = 17;

class EngineLibrary {
public:
    virtual ~EngineLibrary() = default;
    // Loads the engine from the current directory and binds every ordinal the scanner uses.
    virtual bool Bind() = 0;
    virtual void Free() = 0;
    virtual std::uint32_t Open(std::uint32_t* instance) = 0;  // 2
    virtual std::uint32_t SetOptions(std::uint32_t instance, const std::uint16_t* block, int count) = 0;  // 5
    virtual std::uint32_t LoadSignatures(std::uint32_t instance) = 0;  // 8
    virtual std::uint32_t Versions(std::uint32_t instance, std::uint32_t* engine, std::uint32_t* signatures,
        std::uint32_t* engineDate, std::uint32_t* signatureDate) = 0;  // 10
    virtual void ReleaseSignatures(std::uint32_t instance) = 0;  // 26
    virtual void Close(std::uint32_t instance) = 0;  // 27
    // The scan's calls; statuses are the low 16 bits of the engine's answer.
    virtual std::uint16_t ScanFile(std::uint32_t instance, const char* path, HANDLE file) = 0;  // 12
    virtual std::uint16_t ScanBoot(std::uint32_t instance, char drive) = 0;  // 18
    virtual std::uint32_t NeutralizeBoot(std::uint32_t instance, char drive) = 0;  // 21
    virtual std::uint16_t LastVirusId(std::uint32_t instance) = 0;  // 22
    virtual std::string LastVirusName(std::uint32_t instance) = 0;  // 23
    virtual void ForgetLastVirus(std::uint32_t instance) = 0;  // 36
};

// The engine DLL, loaded by name and bound by ordinal in the scanner's order.
class KelvexLibrary : public EngineLibrary {
public:
    static constexpr const char* kFileName = "KELVEX32.DLL";
    // The ordinals bound, in the order they are asked for; one missing fails the binding.
    static constexpr int kOrdinals[] = {2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 21, 22, 23, 24, 25, 26,
        27, 28, 29, 30, 31, 32, 33, 34, 10, 35, 36, 37, 38, 39, 57, 40, 54, 41, 42, 43, 44, 45, 55, 47};
    static_assert(sizeof(kOrdinals) / sizeof(kOrdinals[0]) == 46);

    ~KelvexLibrary() override { Free(); }
    bool Bind() override;
    void Free() override;
    std::uint32_t Open(std::uint32_t* instance) override;
    std::uint32_t SetOptions(std::uint32_t instance, const std::uint16_t* block, int count) override;
    std::uint32_t LoadSignatures(std::uint32_t instance) override;
    std::uint32_t Versions(std::uint32_t instance, std::uint32_t* engine, std::uint32_t* signatures,
        std::uint32_t* engineDate, std::uint32_t* signatureDate) override;
    void ReleaseSignatures(std::uint32_t instance) override;
    void Close(std::uint32_t instance) override;
    std::uint16_t ScanFile(std::uint32_t instance, const char* path, HANDLE file) override;
    std::uint16_t ScanBoot(std::uint32_t instance, char drive) override;
    std::uint32_t NeutralizeBoot(std::uint32_t instance, char drive) override;
    std::uint16_t LastVirusId(std::uint32_t instance) override;
    std::string LastVirusName(std::uint32_t instance) override;
    void ForgetLastVirus(std::uint32_t instance) override;

    FARPROC Entry(int ordinal) const;

private:
    HMODULE m_module = nullptr;
    FARPROC m_entries[58] = {};
};
