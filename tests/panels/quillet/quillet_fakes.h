// Recording stand-ins for the scanning engine, the archive library and the filter devices.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "archive_library.h"
#include "engine_library.h"
#include "filter_link.h"

class FakeEngine : public EngineLibrary {
public:
    bool binds = true;
    std::uint32_t openAnswer = 0;
    std::uint32_t optionsAnswer = 0;
    std::uint32_t loadAnswer = 0;
    std::uint16_t scanAnswer = 0;
    // Answers of ordinal 18 in turn (0 once they are used up); ordinal 21's answer.
    std::vector<std::uint16_t> bootAnswers;
    std::uint32_t neutralizeAnswer = 1;
    std::string virusName;
    std::vector<std::string> calls;
    std::vector<std::uint16_t> options;

    bool Bind() override
    {
        calls.push_back("bind");
        return binds;
    }
    void Free() override { calls.push_back("free"); }
    std::uint32_t Open(std::uint32_t* instance) override
    {
        calls.push_back("2");
        *instance = 7;
        return openAnswer;
    }
    std::uint32_t SetOptions(std::uint32_t instance, const std::uint16_t* block, int count) override
    {
        calls.push_back("5(" + std::to_string(instance) + "," + std::to_string(count) + ")");
        options.assign(block, block + count);
        return optionsAnswer;
    }
    std::uint32_t LoadSignatures(std::uint32_t instance) override
    {
        calls.push_back("8(" + std::to_string(instance) + ")");
        return loadAnswer;
    }
    std::uint32_t Versions(std::uint32_t, std::uint32_t* engine, std::uint32_t* signatures, std::uint32_t* engineDate,
        std::uint32_t* signatureDate) override
    {
        calls.push_back("10");
        *engine = 300;
        *signatures = 41;
        *engineDate = 20260101;
        *signatureDate = 20261201;
        return 0;
    }
    void ReleaseSignatures(std::uint32_t instance) override { calls.push_back("26(" + std::to_string(instance) + ")"); }
    void Close(std::uint32_t instance) override { calls.push_back("27(" + std::to_string(instance) + ")"); }
    std::uint16_t ScanFile(std::uint32_t, const char* path, HANDLE) override
    {
        calls.push_back(std::string("12(") + path + ")");
        return scanAnswer;
    }
    std::uint16_t ScanBoot(std::uint32_t, char drive) override
    {
        calls.push_back(std::string("18(") + drive + ")");
        if (bootAnswers.empty())
            return 0;
        const std::uint16_t answer = bootAnswers.front();
        bootAnswers.erase(bootAnswers.begin());
        return answer;
    }
    std::uint32_t NeutralizeBoot(std::uint32_t, char drive) override
    {
        calls.push_back(std::string("21(") + drive + ")");
        return neutralizeAnswer;
    }
    std::uint16_t LastVirusId(std::uint32_t) override { return 0; }
    std::string LastVirusName(std::uint32_t) override { return virusName; }
    void ForgetLastVirus(std::uint32_t) override { calls.push_back("36"); }
};

class FakeArchive : public ArchiveLibrary {
public:
    std::vector<std::string> calls;
    DWORD Init(DWORD flags) override
    {
        char text[32];
        wsprintfA(text, "init(0x%lx)", flags);
        calls.push_back(text);
        return 3;
    }
    bool SetTemporaryDirectory(DWORD library, const std::string& directory) override
    {
        calls.push_back("temp(" + std::to_string(library) + "," + directory + ")");
        return true;
    }
    void DeInit(DWORD library) override { calls.push_back("deinit(" + std::to_string(library) + ")"); }
    bool SetExtensionList(DWORD, const char*, int count) override
    {
        calls.push_back("extensions(" + std::to_string(count) + ")");
        return true;
    }
    int ArchiveType(DWORD, const std::string&) override { return 0; }
    std::string ExpandCompressedFile(DWORD, const std::string&) override { return {}; }
    bool OpenArchive(DWORD, const std::string&, void*) override { return false; }
    const char* FirstMember(void*) override { return nullptr; }
    const char* NextMember(void*) override { return nullptr; }
    const char* ExtractMember(void*) override { return nullptr; }
    int LastExtractStatus(void*) override { return 1; }
    void RemoveMember(void*) override { }
    void CloseArchive(void*) override { }
};

class FakeFilters : public FilterLink {
public:
    struct Request {
        Device device;
        std::uint32_t code;
        std::vector<unsigned char> input;
    };
    std::vector<std::string> events;
    std::vector<Request> requests;
    void Open() override { events.push_back("open"); }
    void Control(Device device, std::uint32_t code, const void* input, std::uint32_t length) override
    {
        char text[48];
        wsprintfA(text, "%s 0x%08lx %lu", device == Device::Scan ? "scan" : "hold", static_cast<unsigned long>(code),
            static_cast<unsigned long>(length));
        events.push_back(text);
        const auto* bytes = static_cast<const unsigned char*>(input);
        requests.push_back(
            {device, code, bytes ? std::vector<unsigned char>(bytes, bytes + length) : std::vector<unsigned char>()});
    }
    void Close() override { events.push_back("close"); }
};
