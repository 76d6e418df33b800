// Helpers of the log page tests: scratch folders, files, the program's values and a frame.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "fake_alert_core.h"
#include "program_values.h"
#include "test_program.h"

// A fresh, empty folder under the temporary directory, removed by the destructor.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& Path() const { return m_path; }
    std::string File(const std::string& name) const { return m_path + "\\" + name; }

private:
    std::string m_path;
};

void WriteText(const std::string& path, const std::string& text);
void AppendText(const std::string& path, const std::string& text);
std::string ReadText(const std::string& path);
bool FileExists(const std::string& path);

// A text as the core copies it into an out buffer: its bytes and the terminating NUL.
std::vector<BYTE> CoreText(const std::string& text);
// A scripted answer of `result` that copies `data` into the out buffer.
FakeAnswer DataAnswer(int result, std::vector<BYTE> data);
// The core's 256-byte statistics record with the three counts.
std::vector<BYTE> StatisticsRecord(int critical, int warning, int informational);

// The frame's side of a reload request, as a list of the flags it was asked with.
class RecordingFrame : public FrameRequests {
public:
    void ReloadAllPages(int serviceStopped) override { reloads.push_back(serviceStopped); }
    void ShowServiceStateNow() override { ++statesShownNow; }
    std::vector<int> reloads;
    int statesShownNow = 0;
};

// Puts the program's values back as they were when the test began.
class ProgramValuesScope {
public:
    ProgramValuesScope() : m_saved(TestProgram()) { }
    ~ProgramValuesScope() { TestProgram() = m_saved; }
    ProgramValuesScope(const ProgramValuesScope&) = delete;
    ProgramValuesScope& operator=(const ProgramValuesScope&) = delete;

private:
    ProgramValues m_saved;
};

// Makes the current server this computer.
void UseLocalServer();
void UseServer(const char* name);

// The name of the running test, for folders and files.
std::string TestName();
