/* VXMFLT.SYS: the kernel driver that creates the two filter devices and answers their requests. */
#include <ntddk.h>

#include "driver_control.h"

typedef struct {
    const wchar_t* device;
    const wchar_t* link;
    int kind;
} DeviceName;

/* Index 0 is the scan device, 1 the hold device. */
static const DeviceName kDevices[] = {
    {L"\\Device\\VxmFilterScan", L"\\DosDevices\\VXM-FILTER", kDriverScanDevice},
    {L"\\Device\\VxmFilterHold", L"\\DosDevices\\VXMFL-FILTER", kDriverHoldDevice},
};
#define DEVICE_COUNT ((int)(sizeof kDevices / sizeof kDevices[0]))

typedef struct {
    int kind;
} DeviceExtension;

/* One mutex serialises the requests of every handle on both devices: the state they share
   lives in driver_control.cpp for as long as the driver is loaded. */
static KMUTEX controlLock;
static PDEVICE_OBJECT devices[DEVICE_COUNT];
static BOOLEAN linked[DEVICE_COUNT];

static NTSTATUS Finish(PIRP irp, NTSTATUS status, ULONG_PTR written)
{
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = written;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

static void Lock(void)
{
    KeWaitForSingleObject(&controlLock, Executive, KernelMode, FALSE, NULL);
}

static void Unlock(void)
{
    KeReleaseMutex(&controlLock, FALSE);
}

/* An open needs no check: any caller may open either device, and several may at once (the
   devices are not exclusive), so the antivirus service can query while a scan holds them. */
static NTSTATUS NTAPI DispatchOpen(PDEVICE_OBJECT device, PIRP irp)
{
    (void)device;
    return Finish(irp, STATUS_SUCCESS, 0);
}

/* Cleanup (the last handle closed) and close (the file object released) both end what the
   handle set; the system sends both, and the second finds nothing left to undo. */
static NTSTATUS NTAPI DispatchCleanupClose(PDEVICE_OBJECT device, PIRP irp)
{
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    (void)device;
    Lock();
    DriverHandleClosed(stack->FileObject);
    Unlock();
    return Finish(irp, STATUS_SUCCESS, 0);
}

static NTSTATUS NTAPI DispatchControl(PDEVICE_OBJECT device, PIRP irp)
{
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    const DeviceExtension* extension = (const DeviceExtension*)device->DeviceExtension;
    const ULONG code = stack->Parameters.DeviceIoControl.IoControlCode;
    void* buffer = irp->AssociatedIrp.SystemBuffer;
    unsigned long written = 0;
    unsigned long status;
    /* Only buffered codes are ours: their system buffer holds the input, takes the output,
       and is as long as the longer of the two. Any other method would hand us user memory. */
    if ((code & 3) != METHOD_BUFFERED)
        return Finish(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    Lock();
    status = DriverControl(extension->kind, stack->FileObject, code, buffer,
                           stack->Parameters.DeviceIoControl.InputBufferLength, buffer,
                           stack->Parameters.DeviceIoControl.OutputBufferLength, &written);
    Unlock();
    return Finish(irp, (NTSTATUS)status, written);
}

static void RemoveDevices(void)
{
    int i;
    for (i = DEVICE_COUNT - 1; i >= 0; --i) {
        if (linked[i]) {
            UNICODE_STRING link;
            RtlInitUnicodeString(&link, kDevices[i].link);
            IoDeleteSymbolicLink(&link);
            linked[i] = FALSE;
        }
        if (devices[i]) {
            IoDeleteDevice(devices[i]);
            devices[i] = NULL;
        }
    }
}

static NTSTATUS CreateDevice(PDRIVER_OBJECT driver, int index)
{
    UNICODE_STRING name;
    UNICODE_STRING link;
    NTSTATUS status;
    RtlInitUnicodeString(&name, kDevices[index].device);
    RtlInitUnicodeString(&link, kDevices[index].link);
    status = IoCreateDevice(driver, sizeof(DeviceExtension), &name, FILE_DEVICE_UNKNOWN, 0, FALSE,
                            &devices[index]);
    if (!NT_SUCCESS(status)) {
        devices[index] = NULL;
        return status;
    }
    ((DeviceExtension*)devices[index]->DeviceExtension)->kind = kDevices[index].kind;
    devices[index]->Flags |= DO_BUFFERED_IO;
    status = IoCreateSymbolicLink(&link, &name);
    linked[index] = NT_SUCCESS(status);
    return status;
}

static void NTAPI Unload(PDRIVER_OBJECT driver)
{
    (void)driver;
    RemoveDevices();
}

NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath)
{
    int i;
    (void)registryPath;
    KeInitializeMutex(&controlLock, 0);
    for (i = 0; i < DEVICE_COUNT; ++i) {
        const NTSTATUS status = CreateDevice(driver, i);
        if (!NT_SUCCESS(status)) {
            RemoveDevices();
            return status;
        }
    }
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchOpen;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchCleanupClose;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchCleanupClose;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchControl;
    driver->DriverUnload = Unload;
    for (i = 0; i < DEVICE_COUNT; ++i)
        devices[i]->Flags &= ~DO_DEVICE_INITIALIZING;
    return STATUS_SUCCESS;
}
