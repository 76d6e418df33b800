// SecurityCalls: the Windows security functions of the administrator check, one seam over them.
#pragma once

#include <windows.h>

class SecurityCalls {
public:
    virtual ~SecurityCalls() = default;
    virtual BOOL OpenProcessToken(HANDLE process, DWORD access, HANDLE* token) = 0;
    virtual BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision) = 0;
    virtual BOOL InitializeAcl(PACL acl, DWORD length, DWORD revision) = 0;
    virtual BOOL AllocateAndInitializeSid(
        PSID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD first, DWORD second, PSID* sid) = 0;
    virtual BOOL AddAccessAllowedAce(PACL acl, DWORD revision, DWORD access, PSID sid) = 0;
    virtual BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL present, PACL acl, BOOL defaulted) = 0;
    virtual BOOL CreatePrivateObjectSecurity(PSECURITY_DESCRIPTOR parent, PSECURITY_DESCRIPTOR creator,
        PSECURITY_DESCRIPTOR* made, BOOL container, HANDLE token, PGENERIC_MAPPING mapping) = 0;
    virtual BOOL ImpersonateSelf(SECURITY_IMPERSONATION_LEVEL level) = 0;
    virtual BOOL OpenThreadToken(HANDLE thread, DWORD access, BOOL openAsSelf, HANDLE* token) = 0;
    virtual void MapGenericMask(DWORD* access, PGENERIC_MAPPING mapping) = 0;
    virtual BOOL AccessCheck(PSECURITY_DESCRIPTOR descriptor, HANDLE token, DWORD desired, PGENERIC_MAPPING mapping,
        PPRIVILEGE_SET privileges, DWORD* privilegesLength, DWORD* granted, BOOL* status) = 0;
    virtual void FreeSid(PSID sid) = 0;
    virtual BOOL RevertToSelf() = 0;
    virtual BOOL DestroyPrivateObjectSecurity(PSECURITY_DESCRIPTOR* descriptor) = 0;
    virtual BOOL CloseHandle(HANDLE handle) = 0;
};

// The system's functions.
class SystemSecurityCalls : public SecurityCalls {
public:
    BOOL OpenProcessToken(HANDLE process, DWORD access, HANDLE* token) override;
    BOOL InitializeSecurityDescriptor(PSECURITY_DESCRIPTOR descriptor, DWORD revision) override;
    BOOL InitializeAcl(PACL acl, DWORD length, DWORD revision) override;
    BOOL AllocateAndInitializeSid(
        PSID_IDENTIFIER_AUTHORITY authority, BYTE count, DWORD first, DWORD second, PSID* sid) override;
    BOOL AddAccessAllowedAce(PACL acl, DWORD revision, DWORD access, PSID sid) override;
    BOOL SetSecurityDescriptorDacl(PSECURITY_DESCRIPTOR descriptor, BOOL present, PACL acl, BOOL defaulted) override;
    BOOL CreatePrivateObjectSecurity(PSECURITY_DESCRIPTOR parent, PSECURITY_DESCRIPTOR creator,
        PSECURITY_DESCRIPTOR* made, BOOL container, HANDLE token, PGENERIC_MAPPING mapping) override;
    BOOL ImpersonateSelf(SECURITY_IMPERSONATION_LEVEL level) override;
    BOOL OpenThreadToken(HANDLE thread, DWORD access, BOOL openAsSelf, HANDLE* token) override;
    void MapGenericMask(DWORD* access, PGENERIC_MAPPING mapping) override;
    BOOL AccessCheck(PSECURITY_DESCRIPTOR descriptor, HANDLE token, DWORD desired, PGENERIC_MAPPING mapping,
        PPRIVILEGE_SET privileges, DWORD* privilegesLength, DWORD* granted, BOOL* status) override;
    void FreeSid(PSID sid) override;
    BOOL RevertToSelf() override;
    BOOL DestroyPrivateObjectSecurity(PSECURITY_DESCRIPTOR* descriptor) override;
    BOOL CloseHandle(HANDLE handle) override;
};

// Whether the interactive user is in the local Administrators group: 1 when access to a
// descriptor that grants everything to that group alone is granted, else 0.
DWORD CheckAdministrator(SecurityCalls& calls);
