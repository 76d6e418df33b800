// FakeAlertCore: a recording AlertCore for tests, answering with scripted results and data.
#pragma once

#include <windows.h>

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "alert_core.h"

// One call as the fake saw it: its arguments in order, and the bytes of every buffer handed in
// as they were when the call was made.
struct FakeCoreCall {
    std::string function;
    std::vector<std::string> texts;  // text arguments in order, the server first
    std::vector<int> numbers;  // counts, flags, kinds and sizes in order
    std::vector<const void*> buffers;  // buffer and list arguments in order
    std::vector<std::vector<BYTE>> bytes;  // their contents (empty for a null pointer)
};

// What AlertReadEverySetting writes into its three blocks.
struct FakeEverySetting {
    std::array<signed char, 12> flags {};
    std::array<WORD, 48> counts {};
    std::vector<BYTE> settings = std::vector<BYTE>(3944);
};

// One scripted answer. Out buffers receive data and the read its blocks whatever the result,
// as a core that fails half-way might leave them; a list is handed over only on success.
struct FakeAnswer {
    int result = 1;
    WORD count = 0;
    std::vector<BYTE> data;  // a list's records, or what an out buffer receives
    std::optional<FakeEverySetting> every;
};

class FakeAlertCore final : public AlertCore {
public:
    // Answers are used once each, in the order given; a call without one succeeds with no data
    // (and a read fills its blocks with zeros).
    void Answer(const std::string& function, FakeAnswer answer);
    void Fail(const std::string& function, int result = 0);
    // The answer of every call of `function` that finds no queued answer (pages that poll).
    void AnswerAlways(const std::string& function, FakeAnswer answer);

    std::vector<std::string> Functions() const;
    std::vector<FakeCoreCall> CallsOf(const std::string& function) const;

    std::vector<FakeCoreCall> calls;

    int AlertReadEverySetting(
        LPCSTR server, signed char* flags12, WORD* counts96, BYTE* settings3944, LPCSTR application) override;
    int AlertFreeCheckEverySetting(LPCSTR server, int kind) override;
    int AlertGetBroadcast(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetPager(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetEMail(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetSnmp(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetTTixPRINTQ_HEADER(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertGetEventLog(LPCSTR server, WORD* count, void** list, LPCSTR application) override;
    int AlertSetBroadcast(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetPager(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetSnmp(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetEventLog(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application) override;
    int AlertSetEMail(
        LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application) override;
    int AlertSetTTixPRINTQ_HEADER(
        LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application) override;
    int AlertGetCFGDate(LPCSTR server, LPCSTR section, char* date256) override;
    int AlertGetApplicationALT(LPCSTR server, WORD* count, void** names64) override;
    int AlertGetHomeDir(LPCSTR server, char* directory512) override;
    int AlertGetHomeLog(LPCSTR server, char* directory512) override;
    int AlertGetHomeEventLog(LPCSTR server, char* directory512) override;
    int AlertGetStatistics(LPCSTR server, BYTE* record256) override;
    int AlertGetMailCfg(LPCSTR server, BYTE* record1024) override;
    int AlertSetMailCfg(LPCSTR server, const BYTE* record1024) override;
    int AlertGetStringFromReg(LPCSTR server, LPCSTR key, LPCSTR value, char* text, int size) override;
    int AlertSetStringToReg(LPCSTR server, LPCSTR key, LPCSTR value, LPCSTR text) override;
    int AlertStartService(LPCSTR server, int reserved) override;
    int AlertContinueService(LPCSTR server, int reserved) override;
    int AlertPauseService(LPCSTR server, int reserved) override;
    int AlertStopService(LPCSTR server, int reserved) override;

private:
    FakeAnswer Next(const std::string& function);
    FakeCoreCall& Record(const char* function, std::vector<std::string> texts, std::vector<int> numbers = {});
    int GetList(const char* function, std::vector<std::string> texts, WORD* count, void** list);
    int SetList(const char* function, std::size_t recordSize, LPCSTR server, WORD count, void* list,
        const BYTE* settings3944, int enabled, LPCSTR application);
    int FillBuffer(
        const char* function, std::vector<std::string> texts, std::vector<int> numbers, void* buffer, std::size_t size);
    int Plain(const char* function, std::vector<std::string> texts, std::vector<int> numbers = {});

    std::map<std::string, std::deque<FakeAnswer>> m_answers;
    std::map<std::string, FakeAnswer> m_standing;
};
