// Every wait and retry of the delivery methods, in one place so that services/alert/README.md
// can list them and a stop is known to end each within a few seconds: every wait below is cut
// short by the stop event.
#pragma once

#include <windows.h>

namespace delivery_waits {

// E-mail: two tries, 10 s apart, unless the logon or a recipient was refused.
constexpr int kMailAttempts = 2;
constexpr DWORD kMailRetryMs = 10000;

// SNMP: a trap is sent once per manager (traps are not acknowledged); sending never blocks.

// Trouble ticket: the print job is tried twice, 5 s apart; a refused logon is not tried again.
constexpr int kPrintAttempts = 2;
constexpr DWORD kPrintRetryMs = 5000;

// Event log: one report per machine, tried twice, 2 s apart.
constexpr int kEventLogAttempts = 2;
constexpr DWORD kEventLogRetryMs = 2000;

}  // namespace delivery_waits
