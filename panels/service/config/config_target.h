// ConfigTarget: what a configuration sheet or a service command is given about its tree node.
#pragma once

#include <windows.h>

#include <string>

enum class TargetKind {
    kDomain,  // a domain: the commands act on all its servers
    kSingleServer,  // a server at the top level of its branch
    kMemberServer,  // a server inside a domain
};

struct ConfigTarget {
    TargetKind kind = TargetKind::kSingleServer;
    std::string nodeName;  // shown in titles and questions
    std::string server;  // the server object's name, passed to the service core
    DWORD DomainWide() const { return kind == TargetKind::kDomain ? 1 : 0; }
};

// The string `domainId`, `singleId` or `memberId` for the target's kind,
// formatted with its node name.
std::string TargetText(const ConfigTarget& target, UINT domainId, UINT singleId, UINT memberId);
