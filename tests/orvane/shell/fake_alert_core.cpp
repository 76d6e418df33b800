// FakeAlertCore: records every call and answers from its script.
#include "fake_alert_core.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace {

std::string Text(LPCSTR text)
{
    return text ? std::string(text) : std::string("<null>");
}

std::vector<BYTE> Copy(const void* buffer, std::size_t size)
{
    if (!buffer)
        return {};
    const BYTE* bytes = static_cast<const BYTE*>(buffer);
    return std::vector<BYTE>(bytes, bytes + size);
}

// The registry and service calls answer 0 on success; every other call non-zero.
int DefaultResult(const std::string& function)
{
    static const std::set<std::string> zeroIsSuccess = {
        "AlertGetStringFromReg",
        "AlertSetStringToReg",
        "AlertStartService",
        "AlertContinueService",
        "AlertPauseService",
        "AlertStopService",
    };
    return zeroIsSuccess.count(function) ? 0 : 1;
}

}  // namespace

void FakeAlertCore::Answer(const std::string& function, FakeAnswer answer)
{
    m_answers[function].push_back(std::move(answer));
}

void FakeAlertCore::AnswerAlways(const std::string& function, FakeAnswer answer)
{
    m_standing[function] = std::move(answer);
}

void FakeAlertCore::Fail(const std::string& function, int result)
{
    FakeAnswer answer;
    answer.result = result;
    Answer(function, std::move(answer));
}

std::vector<std::string> FakeAlertCore::Functions() const
{
    std::vector<std::string> names;
    for (const FakeCoreCall& call : calls)
        names.push_back(call.function);
    return names;
}

std::vector<FakeCoreCall> FakeAlertCore::CallsOf(const std::string& function) const
{
    std::vector<FakeCoreCall> found;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
        [&](const FakeCoreCall& call) { return call.function == function; });
    return found;
}

FakeAnswer FakeAlertCore::Next(const std::string& function)
{
    std::deque<FakeAnswer>& queue = m_answers[function];
    if (queue.empty()) {
        auto standing = m_standing.find(function);
        if (standing != m_standing.end())
            return standing->second;
        FakeAnswer answer;
        answer.result = DefaultResult(function);
        if (function == "AlertReadEverySetting")
            answer.every = FakeEverySetting();
        return answer;
    }
    FakeAnswer answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

FakeCoreCall& FakeAlertCore::Record(const char* function, std::vector<std::string> texts, std::vector<int> numbers)
{
    calls.push_back(FakeCoreCall {function, std::move(texts), std::move(numbers), {}, {}});
    return calls.back();
}

int FakeAlertCore::AlertReadEverySetting(
    LPCSTR server, signed char* flags12, WORD* counts96, BYTE* settings3944, LPCSTR application)
{
    FakeCoreCall& call = Record("AlertReadEverySetting", {Text(server), Text(application)});
    call.buffers = {flags12, counts96, settings3944};
    call.bytes = {Copy(flags12, 12), Copy(counts96, 96), Copy(settings3944, 3944)};
    const FakeAnswer answer = Next(call.function);
    if (answer.every) {
        std::memcpy(flags12, answer.every->flags.data(), 12);
        std::memcpy(counts96, answer.every->counts.data(), 96);
        std::memcpy(settings3944, answer.every->settings.data(), 3944);
    }
    return answer.result;
}

int FakeAlertCore::AlertFreeCheckEverySetting(LPCSTR server, int kind)
{
    return Plain("AlertFreeCheckEverySetting", {Text(server)}, {kind});
}

int FakeAlertCore::GetList(const char* function, std::vector<std::string> texts, WORD* count, void** list)
{
    Record(function, std::move(texts));
    const FakeAnswer answer = Next(function);
    *count = answer.count;
    if (AlertCore::Succeeded(answer.result)) {
        *list = nullptr;
        if (!answer.data.empty()) {
            *list = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, answer.data.size());
            std::memcpy(*list, answer.data.data(), answer.data.size());
        }
    }
    return answer.result;
}

int FakeAlertCore::AlertGetBroadcast(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList("AlertGetBroadcast", {Text(server), Text(application)}, count, list);
}

int FakeAlertCore::AlertGetPager(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList("AlertGetPager", {Text(server), Text(application)}, count, list);
}

int FakeAlertCore::AlertGetEMail(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList("AlertGetEMail", {Text(server), Text(application)}, count, list);
}

int FakeAlertCore::AlertGetSnmp(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList("AlertGetSnmp", {Text(server), Text(application)}, count, list);
}

int FakeAlertCore::AlertGetTTixPRINTQ_HEADER(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList("AlertGetTTixPRINTQ_HEADER", {Text(server), Text(application)}, count, list);
}

int FakeAlertCore::AlertGetEventLog(LPCSTR server, WORD* count, void** list, LPCSTR application)
{
    return GetList("AlertGetEventLog", {Text(server), Text(application)}, count, list);
}

// A set records the list's count records and, for the calls that carry it, the settings block.
int FakeAlertCore::SetList(const char* function, std::size_t recordSize, LPCSTR server, WORD count, void* list,
    const BYTE* settings3944, int enabled, LPCSTR application)
{
    FakeCoreCall& call = Record(function, {Text(server), Text(application)}, {count, enabled});
    call.buffers = {list};
    call.bytes = {Copy(list, count * recordSize)};
    if (settings3944) {
        call.buffers.push_back(settings3944);
        call.bytes.push_back(Copy(settings3944, 3944));
    }
    return Next(function).result;
}

int FakeAlertCore::AlertSetBroadcast(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    const int result = SetList("AlertSetBroadcast", 52, server, count, list, nullptr, enabled, application);
    // As the real core does: a stored broadcast list is taken over and freed.
    if (AlertCore::Succeeded(result) && list)
        GlobalFree(list);
    return result;
}

int FakeAlertCore::AlertSetPager(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return SetList("AlertSetPager", 148, server, count, list, nullptr, enabled, application);
}

int FakeAlertCore::AlertSetSnmp(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return SetList("AlertSetSnmp", 68, server, count, list, nullptr, enabled, application);
}

int FakeAlertCore::AlertSetEventLog(LPCSTR server, WORD count, void* list, int enabled, LPCSTR application)
{
    return SetList("AlertSetEventLog", 52, server, count, list, nullptr, enabled, application);
}

int FakeAlertCore::AlertSetEMail(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application)
{
    return SetList("AlertSetEMail", 56, server, count, list, settings3944, enabled, application);
}

int FakeAlertCore::AlertSetTTixPRINTQ_HEADER(
    LPCSTR server, WORD count, void* list, const BYTE* settings3944, int enabled, LPCSTR application)
{
    return SetList("AlertSetTTixPRINTQ_HEADER", 208, server, count, list, settings3944, enabled, application);
}

int FakeAlertCore::FillBuffer(
    const char* function, std::vector<std::string> texts, std::vector<int> numbers, void* buffer, std::size_t size)
{
    FakeCoreCall& call = Record(function, std::move(texts), std::move(numbers));
    call.buffers = {buffer};
    const FakeAnswer answer = Next(function);
    std::memcpy(buffer, answer.data.data(), std::min(size, answer.data.size()));
    return answer.result;
}

int FakeAlertCore::Plain(const char* function, std::vector<std::string> texts, std::vector<int> numbers)
{
    Record(function, std::move(texts), std::move(numbers));
    return Next(function).result;
}

int FakeAlertCore::AlertGetCFGDate(LPCSTR server, LPCSTR section, char* date256)
{
    return FillBuffer("AlertGetCFGDate", {Text(server), Text(section)}, {}, date256, 256);
}

int FakeAlertCore::AlertGetApplicationALT(LPCSTR server, WORD* count, void** names64)
{
    return GetList("AlertGetApplicationALT", {Text(server)}, count, names64);
}

int FakeAlertCore::AlertGetHomeDir(LPCSTR server, char* directory512)
{
    return FillBuffer("AlertGetHomeDir", {Text(server)}, {}, directory512, 512);
}

int FakeAlertCore::AlertGetHomeLog(LPCSTR server, char* directory512)
{
    return FillBuffer("AlertGetHomeLog", {Text(server)}, {}, directory512, 512);
}

int FakeAlertCore::AlertGetHomeEventLog(LPCSTR server, char* directory512)
{
    return FillBuffer("AlertGetHomeEventLog", {Text(server)}, {}, directory512, 512);
}

int FakeAlertCore::AlertGetStatistics(LPCSTR server, BYTE* record256)
{
    return FillBuffer("AlertGetStatistics", {Text(server)}, {}, record256, 256);
}

int FakeAlertCore::AlertGetMailCfg(LPCSTR server, BYTE* record1024)
{
    return FillBuffer("AlertGetMailCfg", {Text(server)}, {}, record1024, 1024);
}

int FakeAlertCore::AlertSetMailCfg(LPCSTR server, const BYTE* record1024)
{
    FakeCoreCall& call = Record("AlertSetMailCfg", {Text(server)});
    call.buffers = {record1024};
    call.bytes = {Copy(record1024, 1024)};
    return Next(call.function).result;
}

int FakeAlertCore::AlertGetStringFromReg(LPCSTR server, LPCSTR key, LPCSTR value, char* text, int size)
{
    return FillBuffer("AlertGetStringFromReg", {Text(server), Text(key), Text(value)}, {size}, text,
        size > 0 ? static_cast<std::size_t>(size) : 0);
}

int FakeAlertCore::AlertSetStringToReg(LPCSTR server, LPCSTR key, LPCSTR value, LPCSTR text)
{
    return Plain("AlertSetStringToReg", {Text(server), Text(key), Text(value), Text(text)});
}

int FakeAlertCore::AlertStartService(LPCSTR server, int reserved)
{
    return Plain("AlertStartService", {Text(server)}, {reserved});
}

int FakeAlertCore::AlertContinueService(LPCSTR server, int reserved)
{
    return Plain("AlertContinueService", {Text(server)}, {reserved});
}

int FakeAlertCore::AlertPauseService(LPCSTR server, int reserved)
{
    return Plain("AlertPauseService", {Text(server)}, {reserved});
}

int FakeAlertCore::AlertStopService(LPCSTR server, int reserved)
{
    return Plain("AlertStopService", {Text(server)}, {reserved});
}
