#include "components/serial/win32/FakeSerialDevice.h"

#include <algorithm>
#include <cstring>

namespace tav::test {
namespace {

// The error is set once the lock is released, which may touch it.
bool Answer(bool ok, DWORD error) {
    if (!ok)
        SetLastError(error);
    return ok;
}

} // namespace

TFakeSerialDevice::TOperation* TFakeSerialDevice::Pending(TKind kind) {
    for (TOperation& op : operations_)
        if (op.Kind == kind)
            return &op;
    return nullptr;
}

bool TFakeSerialDevice::Start(TOperation operation, bool pending, DWORD transferred) {
    OVERLAPPED& overlapped = *operation.Overlapped;
    overlapped.Internal = pending ? STATUS_PENDING : 0;
    overlapped.InternalHigh = transferred;
    if (pending) {
        ResetEvent(overlapped.hEvent);
        operations_.push_back(operation);
    } else {
        SetEvent(overlapped.hEvent);
    }
    return !pending;
}

void TFakeSerialDevice::Finish(TKind kind, DWORD error, DWORD transferred) {
    for (auto op = operations_.begin(); op != operations_.end(); ++op) {
        if (op->Kind != kind)
            continue;
        op->Overlapped->Internal = error;
        op->Overlapped->InternalHigh = transferred;
        SetEvent(op->Overlapped->hEvent);
        operations_.erase(op);
        return;
    }
}

void TFakeSerialDevice::Receive(const std::string& bytes) {
    std::lock_guard lock(lock_);
    if (!open_)
        return;
    input_ += bytes;
    if (TOperation* read = Pending(TKind::Read)) {
        const DWORD n = std::min<DWORD>(read->Count, static_cast<DWORD>(input_.size()));
        std::memcpy(read->Data, input_.data(), n);
        input_.erase(0, n);
        Finish(TKind::Read, 0, n);
    } else if ((mask_ & EV_RXCHAR) != 0) {
        Raise(EV_RXCHAR);
    }
}

void TFakeSerialDevice::Raise(DWORD mask) {
    if (TOperation* wait = Pending(TKind::Wait)) {
        *wait->Mask = mask;
        Finish(TKind::Wait, 0, 0);
    } else {
        raised_ |= mask;
    }
}

void TFakeSerialDevice::RaiseEvents(DWORD mask, const std::string& bytes, DWORD commErrors) {
    std::lock_guard lock(lock_);
    input_ += bytes;
    commErrors_ |= commErrors;
    Raise(mask);
}

void TFakeSerialDevice::EndWrite() {
    std::lock_guard lock(lock_);
    if (TOperation* write = Pending(TKind::Write)) {
        written_.append(write->Data, write->Count);
        Finish(TKind::Write, 0, write->Count);
    }
}

void TFakeSerialDevice::Note(const std::string& entry) {
    std::lock_guard lock(lock_);
    log_.push_back(entry);
}

std::vector<std::string> TFakeSerialDevice::Log() const {
    std::lock_guard lock(lock_);
    return log_;
}

std::string TFakeSerialDevice::Written() const {
    std::lock_guard lock(lock_);
    return written_;
}

bool TFakeSerialDevice::Open(const std::string& path) {
    std::lock_guard lock(lock_);
    log_.push_back("Open " + path);
    if (OpenError != 0)
        return Answer(false, OpenError);
    open_ = true;
    input_.clear();
    raised_ = 0;
    return true;
}

void TFakeSerialDevice::Close() {
    std::lock_guard lock(lock_);
    log_.push_back("Close");
    open_ = false;
    for (TKind kind : {TKind::Wait, TKind::Read, TKind::Write})
        Finish(kind, ERROR_OPERATION_ABORTED, 0);
}

bool TFakeSerialDevice::SetupComm(DWORD inputSize, DWORD outputSize) {
    std::lock_guard lock(lock_);
    log_.push_back("SetupComm " + std::to_string(inputSize) + " " + std::to_string(outputSize));
    return true;
}

bool TFakeSerialDevice::SetCommState(const DCB& dcb) {
    DWORD error = 0;
    {
        std::lock_guard lock(lock_);
        log_.push_back("SetCommState " + std::to_string(dcb.BaudRate));
        error = StateError;
    }
    return Answer(error == 0, error);
}

bool TFakeSerialDevice::SetCommTimeouts(const COMMTIMEOUTS&) {
    std::lock_guard lock(lock_);
    log_.push_back("SetCommTimeouts");
    return true;
}

bool TFakeSerialDevice::SetCommMask(DWORD mask) {
    std::lock_guard lock(lock_);
    log_.push_back("SetCommMask " + std::to_string(mask));
    mask_ = mask;
    // Windows ends a pending wait when the mask changes.
    if (TOperation* wait = Pending(TKind::Wait)) {
        *wait->Mask = 0;
        Finish(TKind::Wait, 0, 0);
    }
    return true;
}

bool TFakeSerialDevice::PurgeComm(DWORD flags) {
    DWORD error = 0;
    {
        std::lock_guard lock(lock_);
        log_.push_back("PurgeComm " + std::to_string(flags));
        error = PurgeError;
    }
    return Answer(error == 0, error);
}

bool TFakeSerialDevice::ClearCommError(DWORD& errors, COMSTAT& status) {
    bool open = false;
    {
        std::lock_guard lock(lock_);
        open = open_;
        errors = std::exchange(commErrors_, 0);
        status = {};
        status.cbInQue = static_cast<DWORD>(input_.size());
    }
    return Answer(open, ERROR_INVALID_HANDLE);
}

bool TFakeSerialDevice::GetCommModemStatus(DWORD& status) {
    status = ModemStatus;
    return Answer(ModemStatusError == 0, ModemStatusError);
}

bool TFakeSerialDevice::EscapeCommFunction(DWORD function) {
    std::lock_guard lock(lock_);
    log_.push_back("Escape " + std::to_string(function));
    return true;
}

bool TFakeSerialDevice::WriteFile(const void* data, DWORD count, DWORD& written,
                                  OVERLAPPED& overlapped) {
    bool done = false;
    DWORD error = ERROR_INVALID_HANDLE;
    {
        std::lock_guard lock(lock_);
        if (open_ && WriteError != 0) {
            // Windows resets the event and marks the result pending before the driver refuses.
            ResetEvent(overlapped.hEvent);
            overlapped.Internal = STATUS_PENDING;
            error = WriteError;
        } else if (open_) {
            const bool pend = WritesPend;
            if (!pend)
                written_.append(static_cast<const char*>(data), count);
            written = pend ? 0 : count;
            done = Start({TKind::Write, &overlapped, nullptr,
                          const_cast<char*>(static_cast<const char*>(data)), count},
                         pend, written);
            error = ERROR_IO_PENDING;
        }
    }
    return Answer(done, error);
}

bool TFakeSerialDevice::ReadFile(void* data, DWORD count, DWORD& read, OVERLAPPED& overlapped) {
    ++readCalls_;
    bool done = false;
    DWORD error = ERROR_INVALID_HANDLE;
    {
        std::lock_guard lock(lock_);
        if (open_) {
            read = std::min<DWORD>(count, static_cast<DWORD>(input_.size()));
            std::memcpy(data, input_.data(), read);
            input_.erase(0, read);
            const bool pend = read == 0 && ReadsWait;
            done = Start({TKind::Read, &overlapped, nullptr, static_cast<char*>(data), count}, pend,
                         read);
            error = ERROR_IO_PENDING;
        }
    }
    return Answer(done, error);
}

bool TFakeSerialDevice::WaitCommEvent(DWORD& mask, OVERLAPPED& overlapped) {
    ++waitCalls_;
    bool done = false;
    DWORD error = ERROR_INVALID_HANDLE;
    {
        std::lock_guard lock(lock_);
        if (open_ && WaitError != 0) {
            error = WaitError;
        } else if (open_ && WaitEndError != 0) {
            Start({TKind::Wait, &overlapped, &mask}, false, 0);
            overlapped.Internal = WaitEndError;
            error = ERROR_IO_PENDING;
        } else if (open_) {
            mask = std::exchange(raised_, 0);
            done = Start({TKind::Wait, &overlapped, &mask}, mask == 0, 0);
            error = ERROR_IO_PENDING;
        }
    }
    return Answer(done, error);
}

bool TFakeSerialDevice::GetOverlappedResult(OVERLAPPED& overlapped, DWORD& transferred, bool wait) {
    std::unique_lock lock(lock_);
    if (overlapped.Internal == STATUS_PENDING) {
        const bool running =
            std::any_of(operations_.begin(), operations_.end(),
                        [&](const TOperation& op) { return op.Overlapped == &overlapped; });
        if (wait && !running) {
            log_.push_back("endless wait");
            lock.unlock();
            return Answer(false, ERROR_INVALID_PARAMETER);
        }
        lock.unlock();
        if (!wait)
            return Answer(false, ERROR_IO_INCOMPLETE);
        WaitForSingleObject(overlapped.hEvent, INFINITE);
        lock.lock();
    }
    transferred = static_cast<DWORD>(overlapped.InternalHigh);
    const auto error = static_cast<DWORD>(overlapped.Internal);
    lock.unlock();
    return Answer(error == 0, error);
}

void TFakeSerialDevice::CancelIo(OVERLAPPED& overlapped) {
    std::lock_guard lock(lock_);
    log_.push_back("CancelIo");
    if (IgnoresCancel)
        return;
    for (const TOperation& op : operations_)
        if (op.Overlapped == &overlapped) {
            Finish(op.Kind, ERROR_OPERATION_ABORTED, 0);
            return;
        }
}

} // namespace tav::test
