// ExchangeNumSpin and CustomControlsLoaded: the custom control library's spin field for pages.
#include "num_spin_field.h"

#include "data_exchange.h"
#include "qvctrl.h"

void ExchangeNumSpin(CDataExchange& exchange, int id, int& value, int minimum, int maximum)
{
    HWND control = exchange.PrepareControl(id);
    if (!control)
        return;
    if (!exchange.m_bSaveAndValidate) {
        ::SendMessageA(control, QVM_SETRANGE, 0, MAKELPARAM(minimum, maximum));
        ::SendMessageA(control, QVM_SETVALUE, static_cast<WPARAM>(value), 0);
        return;
    }
    const int shown = static_cast<int>(::SendMessageA(control, QVM_GETVALUE, 0, 0));
    // The control clamps what was typed; a stand-in that does not still never stores more.
    value = shown < minimum ? minimum : (shown > maximum ? maximum : shown);
}

CustomControlsLoaded::CustomControlsLoaded() : m_library(LoadLibraryA("QVCTRLU.DLL"))
{
}

CustomControlsLoaded::~CustomControlsLoaded()
{
    if (m_library)
        FreeLibrary(m_library);
}
