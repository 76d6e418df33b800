// ModalDriver: lets a test act inside a modal dialog or property sheet instead of a person.
#pragma once

class CWnd;

class ModalDriver {
public:
    virtual ~ModalDriver() = default;
    // Called once the modal window is initialised (a CDialog or a CPropertySheet). The driver
    // sets controls and presses buttons; a dialog it leaves open is ended with IDABORT so that
    // no test waits for a person.
    virtual void Drive(CWnd& modal) = 0;

    // The installed driver, or null: then DoModal runs the real modal loop.
    static ModalDriver* Current();
    static ModalDriver* Install(ModalDriver* driver);
};
