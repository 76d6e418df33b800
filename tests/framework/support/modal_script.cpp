// The modal script of the tests.
#include "modal_script.h"

#include <gtest/gtest.h>

ModalScript::ModalScript() : m_previous(ModalDriver::Install(this))
{
}

ModalScript::~ModalScript()
{
    ModalDriver::Install(m_previous);
    if (m_next < m_steps.size())
        ADD_FAILURE() << (m_steps.size() - m_next) << " scripted modal step(s) never ran";
}

ModalScript& ModalScript::Then(Step step)
{
    m_steps.push_back(std::move(step));
    return *this;
}

void ModalScript::Drive(CWnd& modal)
{
    ++m_driven;
    if (m_next >= m_steps.size()) {
        ADD_FAILURE() << "unexpected modal window \"" << modal.GetWindowText() << "\"";
        return;
    }
    // Taken before running, so that a step may open a nested modal window.
    Step step = m_steps[m_next++];
    step(modal);
}
