// MessengerProgram: VXMSGR.EXE's work: the mailslots of this computer and of the site
// servers it stands in for, and a window for every message that arrives.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "messenger_mailslot.h"

class MessengerProgram {
public:
    // Signalled by "VXMSGR /stop" (or anyone) to end the running messenger.
    static constexpr const char* kStopEventName = "VexomarMessengerStop";
    // How long the loop waits for window input before it looks at the mailslots again.
    static constexpr DWORD kPollMs = 200;
    // At most this many message windows are open at once; further messages wait in their
    // mailslot until one is closed, so a flood of messages neither fills the desktop nor is lost.
    static constexpr int kMaxOpenWindows = 32;

    // `recordFile`: where each shown window is recorded (empty: nowhere).
    explicit MessengerProgram(std::string recordFile);
    ~MessengerProgram();
    MessengerProgram(const MessengerProgram&) = delete;
    MessengerProgram& operator=(const MessengerProgram&) = delete;

    // Creates the mailslots: this computer's classic one and one per site server. False when
    // none could be made (another messenger already reads them) or the stop event is missing.
    bool Open();
    // Shows messages until the stop event is signalled or WM_QUIT arrives; the exit code.
    int Run();
    // Reads the waiting datagrams of every mailslot and shows each message, while fewer than
    // kMaxOpenWindows are open; the number shown.
    int ShowWaitingMessages();

private:
    void Record(const std::string& line) const;

    std::string m_recordFile;
    HANDLE m_stop = nullptr;
    std::vector<std::unique_ptr<MessengerMailslot>> m_slots;
};

// Asks a running messenger to end; false when none runs.
bool StopRunningMessenger();
