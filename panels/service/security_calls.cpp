// SystemSecurityCalls forwards to the system; CheckAdministrator makes the check's calls in order.
#include "security_calls.h"

#include <vector>

BOOL SystemSecurityCalls::OpenProcessToken(HANDLE process, DWORD access, HANDLE* token)
{
    return ::OpenProcessToken(process, access, token);
}
BOOL SystemSecurityCalls::InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision)
{
    return ::InitializeSecurityDescriptor(descriptor, revision);
}
BOOL SystemSecurityCalls::InitializeAcl(PACL acl, DWORD length, DWORD revision)
{
    return ::InitializeAcl(acl, length, revision);
}
BOOL SystemSecurityCalls::AllocateAndInitializeSid(
    PSID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD first, DWORD second, PSID* sid)
{
    return ::AllocateAndInitializeSid(authority, count, first, second, 0, 0, 0, 0, 0, 0, sid);
}
BOOL SystemSecurityCalls::AddAccessAllowedAce(PACL acl, DWORD revision, DWORD access, PSID sid)
{
    return ::AddAccessAllowedAce(acl, revision, access, sid);
}
BOOL SystemSecurityCalls::SetSecurityDescriptorDacl(
    PSECURITY_DESCRIPTOR descriptor, BOOL present, PACL acl, BOOL defaulted)
{
    return ::SetSecurityDescriptorDacl(descriptor, present, acl, defaulted);
}
BOOL SystemSecurityCalls::CreatePrivateObjectSecurity(PSECURITY_DESCRIPTOR parent, PSECURITY_DESCRIPTOR creator,
    PSECURITY_DESCRIPTOR* made, BOOL container, HANDLE token, PGENERIC_MAPPING mapping)
{
    return ::CreatePrivateObjectSecurity(parent, creator, made, container, token, mapping);
}
BOOL SystemSecurityCalls::ImpersonateSelf(SECURITY_IMPERSONATION_LEVEL level)
{
    return ::ImpersonateSelf(level);
}
BOOL SystemSecurityCalls::OpenThreadToken(HANDLE thread, DWORD access, BOOL openAsSelf, HANDLE* token)
{
    return ::OpenThreadToken(thread, access, openAsSelf, token);
}
void SystemSecurityCalls::MapGenericMask(DWORD* access, PGENERIC_MAPPING mapping)
{
    ::MapGenericMask(access, mapping);
}
BOOL SystemSecurityCalls::AccessCheck(PSECURITY_DESCRIPTOR descriptor, HANDLE token, DWORD desired,
    PGENERIC_MAPPING mapping, PPRIVILEGE_SET privileges, DWORD* privilegesLength, DWORD* granted, BOOL* status)
{
    return ::AccessCheck(descriptor, token, desired, mapping, privileges, privilegesLength, granted, status);
}
void SystemSecurityCalls::FreeSid(PSID sid)
{
    ::FreeSid(sid);
}
BOOL SystemSecurityCalls::RevertToSelf()
{
    return ::RevertToSelf();
}
BOOL SystemSecurityCalls::DestroyPrivateObjectSecurity(PSECURITY_DESCRIPTOR* descriptor)
{
    return ::DestroyPrivateObjectSecurity(descriptor);
}
BOOL SystemSecurityCalls::CloseHandle(HANDLE handle)
{
    return ::CloseHandle(handle);
}

namespace {

constexpr DWORD kTokenAccess = 0x000F00FF;
constexpr DWORD kAclBytes = 4096;
constexpr DWORD kPrivilegeBytes = 1024;

GENERIC_MAPPING FileObjectMapping()
{
    return GENERIC_MAPPING {0x00120089, 0x00120116, 0x001200A0, 0x001F01FF};
}

// Asks, impersonating this process, whether its user may have all access to `made`.
DWORD AskAccess(SecurityCalls& calls, PSECURITY_DESCRIPTOR made, GENERIC_MAPPING& mapping)
{
    if (!calls.ImpersonateSelf(SecurityImpersonation))
        return 0;
    HANDLE threadToken = nullptr;
    if (!calls.OpenThreadToken(GetCurrentThread(), kTokenAccess, TRUE, &threadToken))
        return 0;
    DWORD desired = GENERIC_ALL;
    calls.MapGenericMask(&desired, &mapping);
    std::vector<unsigned char> privileges(kPrivilegeBytes, 0);
    DWORD privilegesLength = kPrivilegeBytes;
    DWORD granted = 0;
    BOOL status = FALSE;
    BOOL checked = calls.AccessCheck(made, threadToken, desired, &mapping,
        reinterpret_cast<PPRIVILEGE_SET>(privileges.data()), &privilegesLength, &granted, &status);
    calls.CloseHandle(threadToken);
    return checked && status ? 1 : 0;
}

}  // namespace

DWORD CheckAdministrator(SecurityCalls& calls)
{
    HANDLE processToken = nullptr;
    if (!calls.OpenProcessToken(GetCurrentProcess(), kTokenAccess, &processToken))
        return 0;
    SECURITY_DESCRIPTOR absolute = {};
    std::vector<unsigned char> aclBuffer(kAclBytes, 0);
    auto* acl = reinterpret_cast<PACL>(aclBuffer.data());
    GENERIC_MAPPING mapping = FileObjectMapping();
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    PSID administrators = nullptr;
    PSECURITY_DESCRIPTOR made = nullptr;
    DWORD answer = 0;
    if (calls.InitializeSecurityDescriptor(&absolute, SECURITY_DESCRIPTOR_REVISION) &&
        calls.InitializeAcl(acl, kAclBytes, ACL_REVISION) &&
        calls.AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, &administrators) &&
        calls.AddAccessAllowedAce(acl, ACL_REVISION, GENERIC_ALL, administrators) &&
        calls.SetSecurityDescriptorDacl(&absolute, TRUE, acl, FALSE) &&
        calls.CreatePrivateObjectSecurity(nullptr, &absolute, &made, FALSE, processToken, &mapping))
        answer = AskAccess(calls, made, mapping);
    // Whatever step failed: nothing stays allocated and the thread is itself again.
    if (administrators)
        calls.FreeSid(administrators);
    calls.RevertToSelf();
    if (made)
        calls.DestroyPrivateObjectSecurity(&made);
    calls.CloseHandle(processToken);
    return answer;
}
