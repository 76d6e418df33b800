// ScriptedPrompter: answers message boxes in tests, checking each text exactly.
#pragma once

#include <string>
#include <vector>

#include "prompter.h"

class ScriptedPrompter : public Prompter {
public:
    // Installs itself for its lifetime; at the end every scripted step must have happened.
    ScriptedPrompter();
    ~ScriptedPrompter() override;

    // The next message box must show exactly `text`; it is answered with `answer`.
    ScriptedPrompter& Expect(const std::string& text, int answer = IDOK);
    // The next prompt must be a beep of `type`.
    ScriptedPrompter& ExpectBeep(UINT type = MB_OK);

    int Show(HWND owner, const std::string& text, const std::string& caption, UINT type) override;
    void Beep(UINT type) override;

    // What was shown, in order ("beep" entries read "<beep N>").
    const std::vector<std::string>& Shown() const { return m_shown; }
    UINT LastType() const { return m_lastType; }
    bool Done() const { return m_next == m_script.size(); }

private:
    struct Step {
        bool beep;
        std::string text;
        int answer;
        UINT type;
    };
    std::vector<Step> m_script;
    size_t m_next = 0;
    std::vector<std::string> m_shown;
    UINT m_lastType = 0;
    Prompter* m_previous;
};
