// Prompter: every message box and beep goes through one replaceable object.
#pragma once

#include <windows.h>

#include <string>

class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows `text` with the MB_* `type` and answers the button pressed (IDOK, IDYES, ...).
    virtual int Show(HWND owner, const std::string& text, const std::string& caption, UINT type) = 0;
    virtual void Beep(UINT type) = 0;

    // The module's prompter: the system's message box unless a test installed another.
    static Prompter& Current();
    // Installs `prompter` (null: the system's again) and returns the one it replaces.
    static Prompter* Install(Prompter* prompter);
};

// The system's message boxes and beeps.
class SystemPrompter : public Prompter {
public:
    int Show(HWND owner, const std::string& text, const std::string& caption, UINT type) override;
    void Beep(UINT type) override;
};

// A message box owned by the application's main window (its last active popup) and
// captioned with the application's name.
int Prompt(const std::string& text, UINT type = MB_OK);
int PromptId(UINT stringId, UINT type = MB_OK);
int PromptFrom(HWND owner, const std::string& text, UINT type = MB_OK);
void SoundBeep(UINT type = MB_OK);
