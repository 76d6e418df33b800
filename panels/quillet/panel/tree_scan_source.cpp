// The parts of a panel scan and the time of the last full mail scan kept for the next one.
#include "tree_scan_source.h"

#include <ctime>

#include "module.h"
#include "path_list_source.h"
#include "quillet_panel_ids.h"
#include "quillet_registry.h"
#include "tree_selection.h"

namespace {

SourceSequence::Part MailPart(const TreeScanInputs& inputs)
{
    SourceSequence::Part part;
    const ScanTreeNode* root = inputs.mailRoot;
    if (!root || !inputs.mail.mailboxSource)
        return part;
    const std::vector<std::string> all = inputs.mail.mailboxes ? inputs.mail.mailboxes() : std::vector<std::string> {};
    std::vector<std::string> chosen = SelectedMailboxes(*root, all);
    if (chosen.empty())
        return part;
    part.source = inputs.mail.mailboxSource(std::move(chosen));
    part.label = LoadResString(IDS_TREE_LOTUS_NOTES);
    // Only a scan of every mailbox without a date limit may say where the next incremental
    // scan starts; and only when it went through to the end.
    if (scan_tree::EffectiveState(*root) != kSelected || inputs.options.scanAfter != 0)
        return part;
    auto started = std::make_shared<std::time_t>(0);
    part.entered = [started] { *started = std::time(nullptr); };
    part.left = [started](bool completed) {
        if (completed && *started)
            WriteVexomarDword("MAIL", "IncTime", static_cast<DWORD>(*started));
    };
    return part;
}

}  // namespace

std::unique_ptr<SourceSequence> MakeTreeScanSource(const TreeScanInputs& inputs)
{
    auto sequence = std::make_unique<SourceSequence>();
    auto selection = std::make_shared<TreeSelection>(inputs.computer, inputs.network);
    if (!selection->Paths().empty()) {
        auto paths = std::make_unique<PathListSource>(selection->Paths(), inputs.archive, inputs.archiveLibrary);
        paths->SetEntryFilter([selection](const std::string& directory, const std::string& name, bool isDirectory) {
            return selection->Includes(directory, name, isDirectory);
        });
        sequence->Add({std::move(paths), {}, {}, {}});
    }
    sequence->Add(MailPart(inputs));
    return sequence;
}
