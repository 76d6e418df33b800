// TargetText: a title or question worded by the node's kind.
#include "config_target.h"

#include "module.h"

std::string TargetText(const ConfigTarget& target, UINT domainId, UINT singleId, UINT memberId)
{
    const UINT id = target.kind == TargetKind::kDomain
        ? domainId
        : (target.kind == TargetKind::kSingleServer ? singleId : memberId);
    return FormatResString(id, target.nodeName.c_str());
}
