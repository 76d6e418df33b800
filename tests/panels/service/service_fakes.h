// Recording stand-ins for the security functions and the service core.
#pragma once

#include <string>
#include <vector>

#include "recording_service_calls.h"
#include "security_calls.h"
#include "service_core.h"

// Every call is recorded by name; `failing` names the one call that fails.
class FakeSecurityCalls : public SecurityCalls {
public:
    std::vector<std::string> calls;
    std::string failing;
    BOOL accessGranted = TRUE;
    DWORD desiredSeen = 0;

    BOOL Answer(const char* name)
    {
        calls.push_back(name);
        return failing == name ? FALSE : TRUE;
    }
    BOOL OpenProcessToken(HANDLE, DWORD access, HANDLE* token) override
    {
        *token = reinterpret_cast<HANDLE>(0x100);
        return access == 0x000F00FF ? Answer("OpenProcessToken") : FALSE;
    }
    BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR, DWORD revision) override
    {
        return revision == 1 ? Answer("InitializeSecurityDescriptor") : FALSE;
    }
    BOOL InitializeAcl(PACL, DWORD length, DWORD revision) override
    {
        return length == 4096 && revision == 2 ? Answer("InitializeAcl") : FALSE;
    }
    BOOL AllocateAndInitializeSid(
        PSID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD first, DWORD second, PSID* sid) override
    {
        static SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
        static unsigned char storage[16];
        *sid = storage;
        bool right = memcmp(authority, &nt, sizeof nt) == 0 && count == 2 && first == 32 && second == 544;
        return right ? Answer("AllocateAndInitializeSid") : FALSE;
    }
    BOOL AddAccessAllowedAce(PACL, DWORD, DWORD access, PSID) override
    {
        return access == GENERIC_ALL ? Answer("AddAccessAllowedAce") : FALSE;
    }
    BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR, BOOL present, PACL, BOOL defaulted) override
    {
        return present && !defaulted ? Answer("SetSecurityDescriptorDacl") : FALSE;
    }
    BOOL CreatePrivateObjectSecurity(PSECURITY_DESCRIPTOR parent, PSECURITY_DESCRIPTOR, PSECURITY_DESCRIPTOR* made,
        BOOL container, HANDLE token, PGENERIC_MAPPING mapping) override
    {
        static unsigned char storage[64];
        *made = storage;
        bool right = !parent && !container && token == reinterpret_cast<HANDLE>(0x100) &&
            mapping->GenericRead == 0x00120089 && mapping->GenericWrite == 0x00120116 &&
            mapping->GenericExecute == 0x001200A0 && mapping->GenericAll == 0x001F01FF;
        return right ? Answer("CreatePrivateObjectSecurity") : FALSE;
    }
    BOOL ImpersonateSelf(SECURITY_IMPERSONATION_LEVEL level) override
    {
        return level == 2 ? Answer("ImpersonateSelf") : FALSE;
    }
    BOOL OpenThreadToken(HANDLE, DWORD access, BOOL openAsSelf, HANDLE* token) override
    {
        *token = reinterpret_cast<HANDLE>(0x200);
        return access == 0x000F00FF && openAsSelf ? Answer("OpenThreadToken") : FALSE;
    }
    void MapGenericMask(DWORD* access, PGENERIC_MAPPING mapping) override
    {
        calls.push_back("MapGenericMask");
        ::MapGenericMask(access, mapping);
    }
    BOOL AccessCheck(PSECURITY_DESCRIPTOR, HANDLE token, DWORD desired, PGENERIC_MAPPING, PPRIVILEGE_SET, DWORD* length,
        DWORD*, BOOL* status) override
    {
        desiredSeen = desired;
        *status = accessGranted;
        return token == reinterpret_cast<HANDLE>(0x200) && *length == 1024 ? Answer("AccessCheck") : FALSE;
    }
    void FreeSid(PSID) override { calls.push_back("FreeSid"); }
    BOOL RevertToSelf() override { return Answer("RevertToSelf"); }
    BOOL DestroyPrivateObjectSecurity(PSECURITY_DESCRIPTOR*) override { return Answer("DestroyPrivateObjectSecurity"); }
    BOOL CloseHandle(HANDLE handle) override
    {
        return Answer(handle == reinterpret_cast<HANDLE>(0x200) ? "CloseHandle(thread)" : "CloseHandle(process)");
    }
};

class FakeServiceCore : public ServiceCore {
public:
    std::vector<std::string> calls;
    DWORD statusAnswer = 0;
    DWORD status = 3;
    DWORD startAnswer = 0;
    // Answers of the starts and stops to come, in order, before `startAnswer`/`stopAnswer`.
    std::vector<DWORD> startAnswers;
    DWORD stopAnswer = 0;
    std::vector<DWORD> stopAnswers;
    DWORD startQueryAnswer = 0;
    DWORD stopQueryAnswer = 0;

    DWORD GetServiceStatus(const std::string& computer, DWORD* out) override
    {
        calls.push_back("status(" + computer + ")");
        *out = status;
        return statusAnswer;
    }
    DWORD StartService(const std::string& server) override
    {
        calls.push_back("start(" + server + ")");
        return Next(startAnswers, startAnswer);
    }
    DWORD StopService(const std::string& server) override
    {
        calls.push_back("stop(" + server + ")");
        return Next(stopAnswers, stopAnswer);
    }
    DWORD StartQuery() override
    {
        calls.push_back("startQuery");
        return startQueryAnswer;
    }
    DWORD StopQuery() override
    {
        calls.push_back("stopQuery");
        return stopQueryAnswer;
    }
    ServiceConfigCalls& ConfigCalls() override { return config; }
    BroadcastTableCalls& TableCalls() override { return config; }

    RecordingServiceCalls config;

private:
    static DWORD Next(std::vector<DWORD>& answers, DWORD otherwise)
    {
        if (answers.empty())
            return otherwise;
        const DWORD answer = answers.front();
        answers.erase(answers.begin());
        return answer;
    }
};
