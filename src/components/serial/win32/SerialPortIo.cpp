// The port's reads, writes and queries of the device.

#include "components/serial/win32/SerialPort.h"

#include "components/serial/win32/SerialThread.h"

#include <stdexcept>
#include <system_error>

namespace tav {
namespace {

std::int32_t LastError() {
    return static_cast<std::int32_t>(GetLastError());
}

DWORD ByteCount(std::int32_t count) {
    if (count < 0)
        throw std::out_of_range("Range check error");
    return static_cast<DWORD>(count);
}

// A request for the length of one synchronous operation.
class TRequestScope {
public:
    TRequestScope() { NewAsyncRequest(request_); }
    ~TRequestScope() { FreeAsyncRequest(request_); }
    TRequestScope(const TRequestScope&) = delete;
    TRequestScope& operator=(const TRequestScope&) = delete;
    TSerialAsyncRequest* get() const { return request_; }

private:
    TSerialAsyncRequest* request_ = nullptr;
};

} // namespace

void NewAsyncRequest(TSerialAsyncRequest*& request) {
    auto* made = new TSerialAsyncRequest;
    made->Overlapped.hEvent = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    if (made->Overlapped.hEvent == nullptr) {
        const DWORD error = GetLastError();
        delete made;
        throw std::system_error(static_cast<int>(error), std::system_category(),
                                "Cannot create an event");
    }
    request = made;
}

void FreeAsyncRequest(TSerialAsyncRequest*& request) noexcept {
    if (request == nullptr)
        return;
    OVERLAPPED& overlapped = request->Overlapped;
    if (request->Device != nullptr && WaitForSingleObject(overlapped.hEvent, 0) != WAIT_OBJECT_0) {
        DWORD unused = 0;
        request->Device->CancelIo(overlapped);
        request->Device->GetOverlappedResult(overlapped, unused, true);
    }
    CloseHandle(overlapped.hEvent);
    delete request;
    request = nullptr;
}

std::int32_t TCustomSerialPort::WriteAsync(const void* buffer, std::int32_t count,
                                           TSerialAsyncRequest* request) {
    if (request == nullptr)
        throw ESerialPort(kSerialNoRequest, -1);
    request->Kind = TAsyncKind::akWrite;
    request->Device = device_.get();
    DWORD written = 0;
    if (!device_->WriteFile(buffer, ByteCount(count), written, request->Overlapped) &&
        GetLastError() != ERROR_IO_PENDING)
        throw ESerialPort(kSerialWriteFailed, LastError());
    return static_cast<std::int32_t>(written);
}

std::int32_t TCustomSerialPort::WriteStrAsync(const std::string& text,
                                              TSerialAsyncRequest* request) {
    if (text.empty())
        return 0;
    return WriteAsync(text.data(), static_cast<std::int32_t>(text.size()), request);
}

std::int32_t TCustomSerialPort::ReadAsync(void* buffer, std::int32_t count,
                                          TSerialAsyncRequest* request) {
    if (request == nullptr)
        throw ESerialPort(kSerialNoRequest, -1);
    request->Kind = TAsyncKind::akRead;
    request->Device = device_.get();
    DWORD read = 0;
    if (!device_->ReadFile(buffer, ByteCount(count), read, request->Overlapped) &&
        GetLastError() != ERROR_IO_PENDING)
        throw ESerialPort(kSerialReadFailed, LastError());
    return static_cast<std::int32_t>(read);
}

std::int32_t TCustomSerialPort::ReadStrAsync(std::string& text, std::int32_t count,
                                             TSerialAsyncRequest* request) {
    text.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    if (count <= 0)
        return 0;
    return ReadAsync(text.data(), count, request);
}

std::int32_t TCustomSerialPort::WaitForAsync(TSerialAsyncRequest* request) {
    if (request == nullptr)
        throw ESerialPort(kSerialNoRequest, -1);
    DWORD transferred = 0;
    if (WaitForSingleObject(request->Overlapped.hEvent, INFINITE) != WAIT_OBJECT_0 ||
        !device_->GetOverlappedResult(request->Overlapped, transferred, false))
        throw ESerialPort(request->Kind == TAsyncKind::akWrite ? kSerialWriteFailed
                                                               : kSerialReadFailed,
                          LastError());
    return static_cast<std::int32_t>(transferred);
}

std::int32_t TCustomSerialPort::Write(const void* buffer, std::int32_t count) {
    TRequestScope request;
    WriteAsync(buffer, count, request.get());
    return WaitForAsync(request.get());
}

std::int32_t TCustomSerialPort::WriteStr(const std::string& text) {
    if (text.empty())
        return 0;
    return Write(text.data(), static_cast<std::int32_t>(text.size()));
}

bool TCustomSerialPort::ThreadReadsDevice() const {
    return thread_ && thread_->ReadsDevice();
}

std::int32_t TCustomSerialPort::Read(void* buffer, std::int32_t count) {
    ByteCount(count);
    if (ThreadReadsDevice())
        return thread_->TakeReceived(static_cast<char*>(buffer), count);
    TRequestScope request;
    ReadAsync(buffer, count, request.get());
    return WaitForAsync(request.get());
}

std::int32_t TCustomSerialPort::ReadStr(std::string& text, std::int32_t count) {
    text.resize(count > 0 ? static_cast<std::size_t>(count) : 0);
    const std::int32_t read = count > 0 ? Read(text.data(), count) : 0;
    text.resize(static_cast<std::size_t>(read));
    return read;
}

std::int32_t TCustomSerialPort::InputCount() {
    if (ThreadReadsDevice())
        return thread_->ReceivedCount();
    DWORD errors = 0;
    COMSTAT status{};
    if (!device_->ClearCommError(errors, status))
        throw ESerialPort(kSerialClearErrorFailed, LastError());
    return static_cast<std::int32_t>(status.cbInQue);
}

TSerialErrors TCustomSerialPort::ClearErrors() {
    DWORD errors = 0;
    COMSTAT status{};
    if (!device_->ClearCommError(errors, status))
        throw ESerialPort(kSerialClearErrorFailed, LastError());
    return ErrorsFromComm(errors, Parity().Check());
}

TModemSignals TCustomSerialPort::ModemStatus() {
    DWORD status = 0;
    if (!device_->GetCommModemStatus(status))
        throw ESerialPort(kSerialModemStatusFailed, LastError());
    return SignalsFromModemStatus(status);
}

void TCustomSerialPort::SetDTR(bool on) {
    if (!device_->EscapeCommFunction(on ? SETDTR : CLRDTR))
        throw ESerialPort(kSerialEscapeFailed, LastError());
}

void TCustomSerialPort::SetRTS(bool on) {
    if (!device_->EscapeCommFunction(on ? SETRTS : CLRRTS))
        throw ESerialPort(kSerialEscapeFailed, LastError());
}

} // namespace tav
