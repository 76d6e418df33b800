// NodeTarget: a tree node's kind, names and state as the node commands take them.
#include "node_target.h"

#include <algorithm>

#include "server_node.h"
#include "ynnis.h"

namespace {

bool AnyMember(const NodeTarget& domain, bool active)
{
    return std::any_of(domain.members.begin(), domain.members.end(),
        [active](const NodeTarget& member) { return member.object && member.active == active; });
}

}  // namespace

std::optional<NodeTarget> TargetOfNode(const ServerNode& node)
{
    if (node.kind != kNodeDomain && node.kind != kNodeServer)
        return std::nullopt;
    NodeTarget target;
    target.object = node.object;
    if (node.kind == kNodeDomain)
        target.config.kind = TargetKind::kDomain;
    else if (node.parent && node.parent->kind == kNodeDomain)
        target.config.kind = TargetKind::kMemberServer;
    else
        target.config.kind = TargetKind::kSingleServer;
    target.config.nodeName = node.name;
    const char* name = node.object ? node.object->Name(target.IsDomain() ? 1 : 0) : nullptr;
    target.config.server = name ? name : node.name;
    if (target.IsDomain()) {
        for (const auto& child : node.children) {
            if (std::optional<NodeTarget> member = TargetOfNode(*child))
                target.members.push_back(std::move(*member));
        }
        target.active = AnyMember(target, true);
    } else {
        target.active = node.stateWord != 0;
    }
    return target;
}

bool CanConfigure(const NodeTarget& target)
{
    // The sheets need a running service to read from: the check of mode 0 refuses any other.
    return target.object && target.active;
}

bool CanStart(const NodeTarget& target)
{
    if (!target.object)
        return false;
    return target.IsDomain() ? AnyMember(target, false) : !target.active;
}

bool CanStop(const NodeTarget& target)
{
    if (!target.object)
        return false;
    return target.IsDomain() ? AnyMember(target, true) : target.active;
}

bool CanSynchronize(const NodeTarget& target)
{
    // The source is one server whose settings go to the rest of its domain.
    return target.object && target.config.kind == TargetKind::kMemberServer;
}
