// NodeTarget: what a node command knows of the tree node it acts on, copied from the tree so
// that a refresh during the command's dialogs cannot pull it away.
#pragma once

#include <optional>
#include <vector>

#include "config_target.h"

class CVexomarServer;
struct ServerNode;

struct NodeTarget {
    ConfigTarget config;
    CVexomarServer* object = nullptr;  // the library's, never freed here
    bool active = false;  // a domain's when any of its members' is
    std::vector<NodeTarget> members;  // a domain's servers as the tree last read them

    bool IsDomain() const { return config.kind == TargetKind::kDomain; }
};

// The target of a domain or server node; nothing for a network branch.
std::optional<NodeTarget> TargetOfNode(const ServerNode& node);

// When each node command may be given, from what the tree already knows.
bool CanConfigure(const NodeTarget& target);
bool CanStart(const NodeTarget& target);
bool CanStop(const NodeTarget& target);
bool CanSynchronize(const NodeTarget& target);
