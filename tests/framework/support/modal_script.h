// ModalScript: the steps a test takes inside each modal dialog or sheet, in order.
#pragma once

#include <functional>
#include <vector>

#include "modal_driver.h"
#include "wnd.h"

class ModalScript : public ModalDriver {
public:
    using Step = std::function<void(CWnd& modal)>;

    // Installs itself for its lifetime; at the end every step must have run.
    ModalScript();
    ~ModalScript() override;

    ModalScript& Then(Step step);
    void Drive(CWnd& modal) override;
    int Driven() const { return m_driven; }

private:
    std::vector<Step> m_steps;
    size_t m_next = 0;
    int m_driven = 0;
    ModalDriver* m_previous;
};
