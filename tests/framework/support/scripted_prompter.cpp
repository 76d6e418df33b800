// The scripted prompter of the tests.
#include "scripted_prompter.h"

#include <gtest/gtest.h>

ScriptedPrompter::ScriptedPrompter() : m_previous(Prompter::Install(this))
{
}

ScriptedPrompter::~ScriptedPrompter()
{
    Prompter::Install(m_previous);
    for (size_t index = m_next; index < m_script.size(); ++index) {
        const Step& step = m_script[index];
        if (step.beep)
            ADD_FAILURE() << "expected beep " << step.type << " never came";
        else
            ADD_FAILURE() << "expected message box \"" << step.text << "\" was never shown";
    }
}

ScriptedPrompter& ScriptedPrompter::Expect(const std::string& text, int answer)
{
    m_script.push_back(Step {false, text, answer, 0});
    return *this;
}

ScriptedPrompter& ScriptedPrompter::ExpectBeep(UINT type)
{
    m_script.push_back(Step {true, {}, 0, type});
    return *this;
}

int ScriptedPrompter::Show(HWND, const std::string& text, const std::string&, UINT type)
{
    m_shown.push_back(text);
    m_lastType = type;
    if (m_next >= m_script.size()) {
        ADD_FAILURE() << "unexpected message box \"" << text << "\"";
        return IDCANCEL;
    }
    // A wrong text uses up its step, so that one mistake is reported once.
    const Step& step = m_script[m_next++];
    if (step.beep || step.text != text) {
        ADD_FAILURE() << "message box \"" << text << "\" where "
                      << (step.beep ? std::string("a beep") : "\"" + step.text + "\"") << " was expected";
        return IDCANCEL;
    }
    return step.answer;
}

void ScriptedPrompter::Beep(UINT type)
{
    m_shown.push_back("<beep " + std::to_string(type) + ">");
    if (m_next >= m_script.size()) {
        ADD_FAILURE() << "unexpected beep " << type;
        return;
    }
    const Step& step = m_script[m_next++];
    if (!step.beep || step.type != type)
        ADD_FAILURE() << "beep " << type << " where "
                      << (step.beep ? "beep " + std::to_string(step.type) : "\"" + step.text + "\"") << " was expected";
}
