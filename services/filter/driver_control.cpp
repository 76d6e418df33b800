// The driver's one FilterControl behind the C calls of its dispatch routines.
#include "driver_control.h"

#include "filter_control.h"

namespace {

// Set up at compile time: a driver runs no constructors of its own.
constinit vxmflt::FilterControl control;

}  // namespace

extern "C" unsigned long DriverControl(int device, const void* opener, unsigned long code, const void* input,
    unsigned long inputLength, void* output, unsigned long outputLength, unsigned long* written)
{
    const vxmflt::Device kind = device == kDriverScanDevice ? vxmflt::Device::Scan : vxmflt::Device::Hold;
    const vxmflt::ControlAnswer answer = control.Control(kind, opener, code, input, inputLength, output, outputLength);
    *written = answer.written;
    return answer.status;
}

extern "C" void DriverHandleClosed(const void* opener)
{
    control.HandleClosed(opener);
}
