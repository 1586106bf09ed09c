// The port's reads, writes and queries of the device.

#include "components/serial/win32/SerialPort.h"

#include "components/serial/LineSettings.h"
#include "components/serial/win32/SerialThread.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <utility>

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

// Back to the state of a request that nothing was started on.
void MakeIdle(TSerialAsyncRequest& request) {
    const HANDLE event = request.Overlapped.hEvent;
    request.Overlapped = {};
    request.Overlapped.hEvent = event;
    request.Device = nullptr;
    SetEvent(event);
}

// Asks the device to end the request's operation and gives it kSerialCancelWaitMs for that;
// true once nothing runs on the request.
bool EndOperation(TSerialAsyncRequest& request) noexcept {
    const HANDLE event = request.Overlapped.hEvent;
    if (request.Device == nullptr || WaitForSingleObject(event, 0) == WAIT_OBJECT_0)
        return true;
    request.Device->CancelIo(request.Overlapped);
    return WaitForSingleObject(event, kSerialCancelWaitMs) == WAIT_OBJECT_0;
}

// Frees the request unless the device keeps running its operation; false then.
bool ReleaseRequest(TSerialAsyncRequest*& request) noexcept {
    TSerialAsyncRequest* released = std::exchange(request, nullptr);
    if (released == nullptr)
        return true;
    if (!EndOperation(*released))
        return false; // deliberately left to the device, which may still write into it
    CloseHandle(released->Overlapped.hEvent);
    delete released;
    return true;
}

// A request, and the buffer the device reads into or writes from, for the length of one
// synchronous operation. When the device keeps running the operation, both are left to it: the
// caller's own buffer may be gone by then.
class TRequestScope {
public:
    explicit TRequestScope(std::size_t size) : buffer_(new char[size]) {
        NewAsyncRequest(request_);
    }
    ~TRequestScope() {
        if (!ReleaseRequest(request_))
            buffer_.release(); // deliberately left to the device, with its request
    }
    TRequestScope(const TRequestScope&) = delete;
    TRequestScope& operator=(const TRequestScope&) = delete;
    TSerialAsyncRequest* get() const { return request_; }
    char* Buffer() const { return buffer_.get(); }

private:
    TSerialAsyncRequest* request_ = nullptr;
    std::unique_ptr<char[]> buffer_;
};

// What an operation moved as it started. One that failed at once never ran: Windows sets
// neither its event nor its result, so its request goes back to idle and nobody waits for it.
std::int32_t Started(TSerialAsyncRequest& request, ISerialDevice& device, bool done, DWORD moved,
                     std::int32_t failure) {
    if (!done) {
        const DWORD error = GetLastError();
        if (error != ERROR_IO_PENDING) {
            MakeIdle(request);
            throw ESerialPort(failure, static_cast<std::int32_t>(error));
        }
    }
    request.Device = &device;
    return static_cast<std::int32_t>(moved);
}

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
    ReleaseRequest(request);
}

std::int32_t TCustomSerialPort::WriteAsync(const void* buffer, std::int32_t count,
                                           TSerialAsyncRequest* request) {
    if (request == nullptr)
        throw ESerialPort(kSerialNoRequest, -1);
    request->Kind = TAsyncKind::akWrite;
    request->Count = ByteCount(count);
    DWORD written = 0;
    const bool done = device_->WriteFile(buffer, request->Count, written, request->Overlapped);
    return Started(*request, *device_, done, written, kSerialWriteFailed);
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
    request->Count = ByteCount(count);
    DWORD read = 0;
    const bool done = device_->ReadFile(buffer, request->Count, read, request->Overlapped);
    return Started(*request, *device_, done, read, kSerialReadFailed);
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
    const bool write = request->Kind == TAsyncKind::akWrite;
    const std::uint64_t limit =
        OperationTimeLimitMs(*this, write, request->Count) + kSerialCancelWaitMs;
    const DWORD waited =
        WaitForSingleObject(request->Overlapped.hEvent,
                            static_cast<DWORD>(std::min<std::uint64_t>(limit, INFINITE - 1)));
    DWORD transferred = 0;
    if (waited == WAIT_OBJECT_0 &&
        device_->GetOverlappedResult(request->Overlapped, transferred, false))
        return static_cast<std::int32_t>(transferred);
    DWORD error = GetLastError();
    if (waited == WAIT_TIMEOUT) {
        // The device did not keep to its timeouts.
        EndOperation(*request);
        error = ERROR_TIMEOUT;
    }
    throw ESerialPort(write ? kSerialWriteFailed : kSerialReadFailed,
                      static_cast<std::int32_t>(error));
}

std::int32_t TCustomSerialPort::Write(const void* buffer, std::int32_t count) {
    TRequestScope request(ByteCount(count));
    if (count > 0)
        std::memcpy(request.Buffer(), buffer, static_cast<std::size_t>(count));
    WriteAsync(request.Buffer(), count, request.get());
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
    TRequestScope request(static_cast<std::size_t>(count));
    ReadAsync(request.Buffer(), count, request.get());
    const std::int32_t read = WaitForAsync(request.get());
    if (read > 0)
        std::memcpy(buffer, request.Buffer(), static_cast<std::size_t>(read));
    return read;
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
