/* The C face of the driver's one FilterControl, for the driver's dispatch routines. */
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

/* Device numbers: the scan device and the hold device. */
enum { kDriverScanDevice = 0, kDriverHoldDevice = 1 };

/* Answers one control request; returns its status and sets *written to the output bytes. */
unsigned long DriverControl(int device, const void* opener, unsigned long code, const void* input,
    unsigned long inputLength, void* output, unsigned long outputLength, unsigned long* written);
/* The handle `opener` is gone: undo what it set. */
void DriverHandleClosed(const void* opener);

#ifdef __cplusplus
}
#endif
