// vovudo.sys: the stand-in BIOS service driver. It answers the program's one request
// (a 44-byte register block) from the simulated notebook BIOS, and the private control
// request that tests use to set the simulated machine up and read its request log.
#include "KernelHeaders.h"

#include "CallerProcess.h"
#include "ControlHandler.h"
#include "SettingsStore.h"

namespace {

// FILE_DEVICE_UNKNOWN, function 0x800, METHOD_BUFFERED, FILE_ANY_ACCESS.
constexpr ULONG kBiosIoctl = 0x222000;

// Static storage and no constructor: Reset() at load time brings it to life.
sim::SimBios g_bios;
// One request at a time reaches the simulator and the registry.
KMUTEX g_machineLock;

const wchar_t kDeviceName[] = L"\\Device\\vovudo";
const wchar_t kLinkName[] = L"\\DosDevices\\vovudo";

class MachineLock {
public:
    MachineLock() { KeWaitForSingleObject(&g_machineLock, Executive, KernelMode, FALSE, nullptr); }
    ~MachineLock() { KeReleaseMutex(&g_machineLock, FALSE); }
    MachineLock(const MachineLock&) = delete;
    MachineLock& operator=(const MachineLock&) = delete;
};

NTSTATUS Complete(PIRP irp, NTSTATUS status, ULONG_PTR information) {
    irp->IoStatus.Status = status;
    irp->IoStatus.Information = information;
    IoCompleteRequest(irp, IO_NO_INCREMENT);
    return status;
}

NTSTATUS AnswerBiosRequest(PIRP irp, PIO_STACK_LOCATION stack) {
    const ULONG inSize = stack->Parameters.DeviceIoControl.InputBufferLength;
    const ULONG outSize = stack->Parameters.DeviceIoControl.OutputBufferLength;
    void* buffer = irp->AssociatedIrp.SystemBuffer;
    if (buffer == nullptr || inSize < sizeof(sim::Regs) || outSize < sizeof(sim::Regs))
        return Complete(irp, STATUS_BUFFER_TOO_SMALL, 0);

    sim::Regs request;
    RtlCopyMemory(&request, buffer, sizeof request);
    CallerProcess caller = {stack->FileObject, PsGetCurrentProcessId()};
    const sim::CallerMemory memory = CallerMemoryOf(caller);

    sim::Regs reply;
    bool answered;
    {
        MachineLock lock;
        const sim::BiosSettings before = g_bios.Settings();
        answered = g_bios.Handle(request, reply, memory);
        if (RtlCompareMemory(&before, &g_bios.Settings(), sizeof before) != sizeof before)
            SaveMachine(g_bios);
    }
    if (!answered)
        return Complete(irp, STATUS_IO_DEVICE_ERROR, 0);
    RtlCopyMemory(buffer, &reply, sizeof reply);
    return Complete(irp, STATUS_SUCCESS, sizeof reply);
}

NTSTATUS ControlStatusCode(sim::ControlStatus status) {
    switch (status) {
    case sim::ControlStatus::kOk:
        return STATUS_SUCCESS;
    case sim::ControlStatus::kBufferTooSmall:
        return STATUS_BUFFER_TOO_SMALL;
    case sim::ControlStatus::kRefused:
        return STATUS_REQUEST_NOT_ACCEPTED;
    case sim::ControlStatus::kBadRequest:
        break;
    }
    return STATUS_INVALID_PARAMETER;
}

NTSTATUS AnswerControlRequest(PIRP irp, PIO_STACK_LOCATION stack) {
    void* buffer = irp->AssociatedIrp.SystemBuffer;
    sim::ControlResult result;
    {
        MachineLock lock;
        result =
            sim::HandleControl(g_bios, buffer, stack->Parameters.DeviceIoControl.InputBufferLength,
                               buffer, stack->Parameters.DeviceIoControl.OutputBufferLength);
        if (result.machineChanged)
            SaveMachine(g_bios);
    }
    return Complete(irp, ControlStatusCode(result.status), result.replySize);
}

NTSTATUS NTAPI DispatchDeviceControl(PDEVICE_OBJECT, PIRP irp) {
    PIO_STACK_LOCATION stack = IoGetCurrentIrpStackLocation(irp);
    switch (stack->Parameters.DeviceIoControl.IoControlCode) {
    case kBiosIoctl:
        return AnswerBiosRequest(irp, stack);
    case sim::kControlIoctl:
        return AnswerControlRequest(irp, stack);
    default:
        return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
    }
}

NTSTATUS NTAPI DispatchCreate(PDEVICE_OBJECT, PIRP irp) {
    PFILE_OBJECT file = IoGetCurrentIrpStackLocation(irp)->FileObject;
    file->FsContext = nullptr;
    file->FsContext2 = nullptr;
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS NTAPI DispatchClose(PDEVICE_OBJECT, PIRP irp) {
    ForgetCaller(IoGetCurrentIrpStackLocation(irp)->FileObject);
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS NTAPI DispatchCleanup(PDEVICE_OBJECT, PIRP irp) {
    return Complete(irp, STATUS_SUCCESS, 0);
}

NTSTATUS NTAPI DispatchUnsupported(PDEVICE_OBJECT, PIRP irp) {
    return Complete(irp, STATUS_INVALID_DEVICE_REQUEST, 0);
}

void NTAPI Unload(PDRIVER_OBJECT driver) {
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, kLinkName);
    IoDeleteSymbolicLink(&link);
    if (driver->DeviceObject != nullptr)
        IoDeleteDevice(driver->DeviceObject);
    CloseSettingsStore();
}

} // namespace

extern "C" NTSTATUS NTAPI DriverEntry(PDRIVER_OBJECT driver, PUNICODE_STRING registryPath) {
    KeInitializeMutex(&g_machineLock, 0);
    g_bios.Reset();
    // Without a store the simulator still runs; its changes then last only this session.
    if (NT_SUCCESS(OpenSettingsStore(registryPath)))
        LoadMachine(g_bios);
    // Without the routines buffer requests fail with status 0xFFFFFFFF; the rest works.
    FindProcessMemoryRoutines();
    for (ULONG i = 0; i <= IRP_MJ_MAXIMUM_FUNCTION; ++i)
        driver->MajorFunction[i] = DispatchUnsupported;
    driver->MajorFunction[IRP_MJ_CREATE] = DispatchCreate;
    driver->MajorFunction[IRP_MJ_CLOSE] = DispatchClose;
    driver->MajorFunction[IRP_MJ_CLEANUP] = DispatchCleanup;
    driver->MajorFunction[IRP_MJ_DEVICE_CONTROL] = DispatchDeviceControl;
    driver->DriverUnload = Unload;

    UNICODE_STRING deviceName;
    RtlInitUnicodeString(&deviceName, kDeviceName);
    PDEVICE_OBJECT device = nullptr;
    NTSTATUS status =
        IoCreateDevice(driver, 0, &deviceName, FILE_DEVICE_UNKNOWN, 0, FALSE, &device);
    if (!NT_SUCCESS(status)) {
        CloseSettingsStore();
        return status;
    }
    UNICODE_STRING link;
    RtlInitUnicodeString(&link, kLinkName);
    status = IoCreateSymbolicLink(&link, &deviceName);
    if (!NT_SUCCESS(status)) {
        IoDeleteDevice(device);
        CloseSettingsStore();
        return status;
    }

    return STATUS_SUCCESS;
}
