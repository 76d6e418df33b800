// PanelMailHooks: what the panel needs of the mail-database agent, bound by whoever owns the
// agent; unbound hooks mean no agent (no "Lotus Notes" root, no mail-database files).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scan_item_source.h"

struct PanelMailHooks {
    // Connects the agent when the panel window is made; true when it is connected.
    std::function<bool()> connect;
    std::function<std::vector<std::string>()> mailboxes;
    std::function<std::unique_ptr<ScanItemSource>(std::vector<std::string>)> mailboxSource;
    std::function<bool(const std::string& extension)> isMailDatabaseExtension;
};
