// Resource numbers of QUILLET.DLL.
#pragma once

#define IDR_QUILLET_PANEL 106
#define IDI_QUILLET_PANEL 112
#define IDB_QUILLET_TOOLBAR 301

// The commands carry the numbers of their tool tips.
#define ID_QUILLET_START 24101
#define ID_QUILLET_STOP 24102
#define ID_QUILLET_LOG 24103
#define ID_QUILLET_OPTIONS 24104
#define ID_QUILLET_CLOSE 32805
