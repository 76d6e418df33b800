// The item source of a scan started from the panel: the selected drives, folders, files and
// shares walked by their states, then the selected mailboxes through the mail hooks.
#pragma once

#include <windows.h>

#include <memory>

#include "archive_library.h"
#include "local_scan_options.h"
#include "panel_mail_hooks.h"
#include "scan_tree_node.h"
#include "source_sequence.h"

struct TreeScanInputs {
    const ScanTreeNode* computer = nullptr;
    const ScanTreeNode* network = nullptr;
    const ScanTreeNode* mailRoot = nullptr;  // null without a mail agent
    ArchiveLibrary& archive;
    DWORD archiveLibrary;
    const PanelMailHooks& mail;
    const LocalScanOptions& options;
};

std::unique_ptr<SourceSequence> MakeTreeScanSource(const TreeScanInputs& inputs);
