#pragma once
// What the serial port asks of its device: the Win32 communications calls on one handle. The
// port holds one device for its whole life and opens and closes it with the port; the event
// thread and the main thread call it at the same time, as they may call Windows on one handle.
// Each call answers as its Win32 function does and leaves the error in GetLastError. Tests
// replace the device through SerialDeviceSeam with a scripted one.

#include "framework/win32/Seams.h"

#include <windows.h>

#include <memory>
#include <string>

namespace tav {

class ISerialDevice {
public:
    virtual ~ISerialDevice() = default;

    // CreateFileA on `path` ("\\.\COM1") for overlapped reading and writing, not shared.
    virtual bool Open(const std::string& path) = 0;
    // CloseHandle; Windows ends every operation still pending on the handle.
    virtual void Close() = 0;

    virtual bool SetupComm(DWORD inputSize, DWORD outputSize) = 0;
    virtual bool SetCommState(const DCB& dcb) = 0;
    virtual bool SetCommTimeouts(const COMMTIMEOUTS& timeouts) = 0;
    virtual bool SetCommMask(DWORD mask) = 0;
    virtual bool PurgeComm(DWORD flags) = 0;
    virtual bool ClearCommError(DWORD& errors, COMSTAT& status) = 0;
    virtual bool GetCommModemStatus(DWORD& status) = 0;
    virtual bool EscapeCommFunction(DWORD function) = 0;

    // Overlapped operations: false with ERROR_IO_PENDING while they run; `overlapped`, the
    // buffer and `mask` must stay until GetOverlappedResult has seen them end.
    virtual bool WriteFile(const void* data, DWORD count, DWORD& written,
                           OVERLAPPED& overlapped) = 0;
    virtual bool ReadFile(void* data, DWORD count, DWORD& read, OVERLAPPED& overlapped) = 0;
    virtual bool WaitCommEvent(DWORD& mask, OVERLAPPED& overlapped) = 0;
    virtual bool GetOverlappedResult(OVERLAPPED& overlapped, DWORD& transferred, bool wait) = 0;
    // Asks an operation started on `overlapped` to end early (CancelIoEx).
    virtual void CancelIo(OVERLAPPED& overlapped) = 0;
};

using SerialDeviceFn = std::function<std::unique_ptr<ISerialDevice>()>;
// Makes the device of each new port; the default is the Win32 one.
TSeam<SerialDeviceFn>& SerialDeviceSeam();

} // namespace tav
