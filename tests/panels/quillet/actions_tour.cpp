// QACTTOUR.EXE: scans a sample folder once per infection action, with the real engine, and
// prints where each file was before, where it is after and how many bytes it holds; every
// question is printed and answered Yes (or OK). A record of what each action leaves on disk.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "action_test_files.h"
#include "path_list_source.h"
#include "prompter.h"
#include "quillet_fakes.h"
#include "scan_test_files.h"

using namespace action_test;
using namespace scan_test;

namespace {

class AnsweringPrompter : public Prompter {
public:
    int Show(HWND, const std::string& text, const std::string&, UINT type) override
    {
        std::printf("    asked: %s\n", text.c_str());
        const UINT buttons = type & 0xF;
        return buttons == MB_YESNOCANCEL || buttons == MB_YESNO ? IDYES : buttons == MB_ABORTRETRYIGNORE ? IDIGNORE : IDOK;
    }
    void Beep(UINT) override { }
};

// The system's message boxes, each answered by itself after a few seconds (Yes, or OK), so that
// they can be looked at on a display: the tour's "/show" mode.
class ShowingPrompter : public Prompter {
public:
    int Show(HWND owner, const std::string& text, const std::string& caption, UINT type) override
    {
        std::printf("    shown: %s\n", text.c_str());
        std::fflush(stdout);
        const UINT buttons = type & 0xF;
        Answer* answer = new Answer {caption, buttons == MB_YESNOCANCEL || buttons == MB_YESNO ? IDYES : IDOK};
        CloseHandle(CreateThread(nullptr, 0, &ShowingPrompter::AnswerLater, answer, 0, nullptr));
        return m_system.Show(owner, text, caption, type);
    }
    void Beep(UINT) override { }

private:
    struct Answer {
        std::string caption;
        int button;
    };
    static DWORD WINAPI AnswerLater(void* parameter)
    {
        Answer* answer = static_cast<Answer*>(parameter);
        Sleep(4000);
        if (HWND box = FindWindowA("#32770", answer->caption.c_str()))
            PostMessageA(box, WM_COMMAND, answer->button, 0);
        delete answer;
        return 0;
    }
    SystemPrompter m_system;
};

// Remembers, for each file acted on, where the action left it.
class TouringSource : public PathListSource {
public:
    using PathListSource::PathListSource;
    struct Step {
        std::string before, after;
        int action, result;
    };
    std::vector<Step> steps;
    void RecordOutcome(ScanJob& job, int action, int result) override
    {
        PathListSource::RecordOutcome(job, action, result);
        const bool moved = result == 1 && (action == kActionRename || action == kActionMove || action == kActionRenameAndMove);
        steps.push_back({FullPath(), moved ? LastTarget() : Exists(FullPath()) ? FullPath() : "(removed)", action, result});
    }
};

struct SampleFile {
    const char* name;
    std::string bytes;
    bool readOnly;
};

std::vector<SampleFile> Samples()
{
    return {
        {"EICAR.COM", EicarFile(), false},
        {"APPEND.COM", TestVirus("Append"), false},
        {"RESTORE.EXE", TestVirus("Restore"), true},
        {"OVER.BIN", TestVirus("Destructive"), false},
        {"TAKEN.COM", EicarFile(), false},
        {"TAKEN.AVB", "a file of the user's that holds the renamed name", false},
        {"CLEAN.TXT", "nothing to see here\r\n", false},
    };
}

void List(const char* title, const std::string& folder)
{
    std::printf("  %s %s\n", title, folder.c_str());
    for (const std::string& name : Names(folder)) {
        const std::string path = folder + "\\" + name;
        std::printf("    %-14s %5u bytes%s\n", name.c_str(), static_cast<unsigned>(Bytes(path).size()),
            IsReadOnly(path) ? "  read-only" : "");
    }
}

void Tour(RealEngine& engine, int action, const char* title)
{
    ScratchFolder sample("SAMPLE");
    ScratchFolder virus("VIRUS");
    for (const SampleFile& file : Samples()) {
        const std::string path = sample.Write(file.name, file.bytes);
        if (file.readOnly)
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    }
    // The move folder already holds a file of the name of one that is moved there.
    virus.Write("EICAR.COM", "kept: an earlier find");
    LocalScanOptions options = TestOptions();
    options.infectionAction = action;
    options.interactive = 1;
    std::strcpy(options.moveDirectory, virus.Path().c_str());
    std::printf("== %d %s ==\n", action, title);
    if (action == 0) {
        // The same files stand before every action.
        List("before:", sample.Path());
        List("before:", virus.Path());
    }
    FakeArchive archive;
    RecordingAlerts alerts;
    TouringSource source({sample.Path()}, archive, 0);
    TestJob job(source, ScanServices {engine.binding, archive, 0, options, alerts, nullptr});
    job.Run();
    std::printf("  %-40s %-40s %s\n", "path before", "path after", "bytes after");
    for (const TouringSource::Step& step : source.steps) {
        const std::string after = step.after == "(removed)" ? "-" : std::to_string(Bytes(step.after).size());
        std::printf("  %-40s %-40s %s\n", step.before.c_str(), step.after.c_str(), after.c_str());
    }
    std::printf("  outcome lines:\n");
    for (const ScanResultLine& line : job.Results())
        std::printf("    %s | %s | %s\n", line.item.c_str(), line.virus.c_str(), line.outcome.c_str());
    const ScanCounters& c = job.Counters();
    std::printf("  counters: scanned %u infected %u deleted %u renamed %u cured %u moved %u purged %u renamed+moved %u\n",
        c.filesScanned, c.filesInfected, c.filesDeleted, c.filesRenamed, c.filesCured, c.filesMoved, c.filesPurged,
        c.filesRenamedAndMoved);
    List("after:", sample.Path());
    List("after:", virus.Path());
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv)
{
    const bool show = argc > 1 && std::strcmp(argv[1], "/show") == 0;
    RealEngine engine;
    if (!engine.Loaded()) {
        std::printf("The engine did not load (KELVEX32.DLL and VIRSIG.DAT beside this program).\n");
        return 1;
    }
    AnsweringPrompter answering;
    ShowingPrompter showing;
    Prompter* previous = Prompter::Install(show ? static_cast<Prompter*>(&showing) : &answering);
    const char* titles[] = {"Report Only - No Action", "Delete File", "Rename File", "Cure File", "Move File",
        "Purge File", "Rename and Move File"};
    // Shown on a display: the cure of the samples, whose questions and messages are the most.
    for (int action = show ? kActionCure : 0; action <= (show ? kActionCure : 6); ++action)
        Tour(engine, action, titles[action]);
    Prompter::Install(previous);
    return 0;
}
