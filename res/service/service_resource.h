// Resource numbers of SERVICE.DLL.
#pragma once

#define IDR_SERVICE_PANEL 106
#define IDI_SERVICE_PANEL 111
