// FENWIX.DLL, the alert builder: hands a product's alerts to the Alert Service.
#pragma once

#include <windows.h>

extern "C" {

// Delivers an alert to the Alert Service of the server ("" or NULL: this computer).
// A negative type stages the text as the description of the product's next alert; a
// type of 0 or more delivers it (priority 3 for type 0, 2 for 1, 1 for 2, 0 above).
// Returns 0 when the service took the alert, 1062 when it is not running, 1061 when it
// is paused, 1722 for a server it cannot reach, another Windows error number otherwise.
int WINAPI MakeAlert1(LPCSTR server, int type, int count, LPCSTR product, LPCSTR text, int reserved);
}
