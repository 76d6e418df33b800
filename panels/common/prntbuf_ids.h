// Resource ids of the report print buffer: the "Sending To Printer" dialog.
#pragma once

// A modeless dialog with a Cancel button (IDCANCEL); each plug-in's resources carry it.
#define IDD_SENDING_TO_PRINTER 2690
