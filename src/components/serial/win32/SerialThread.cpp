#include "components/serial/win32/SerialThread.h"

#include "components/serial/win32/SerialPort.h"
#include "framework/win32/HandOver.h"

#include <algorithm>
#include <cstring>

namespace tav {
namespace {

// How a driver without the comm-event wait answers it: at once, or by ending the wait. Nothing
// else changes the mask or cancels the thread's wait while it runs, so a wait that ends aborted
// was ended by the driver: Wine's does so when the mask holds received bytes alone, and refuses
// at once a mask that holds a line state.
bool WaitUnsupported(DWORD error) {
    return error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION ||
           error == ERROR_OPERATION_ABORTED;
}

// An event that the thread and the main thread's handing over share.
struct TSharedEvent {
    TSharedEvent() : Handle(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
    ~TSharedEvent() {
        if (Handle != nullptr)
            CloseHandle(Handle);
    }
    TSharedEvent(const TSharedEvent&) = delete;
    TSharedEvent& operator=(const TSharedEvent&) = delete;
    HANDLE Handle;
};

} // namespace

TSerialThread::TSerialThread(TCustomSerialPort& port, ISerialDevice& device)
    : port_(port), device_(device), listened_(port.Events),
      heldLimit_(std::max<std::size_t>(static_cast<std::size_t>(port.Buffer().InputSize()), 1)) {
    SetPriority(port.EventThreadPriority());
    // A device that refuses the mask cannot wait for events either; the thread reads it then.
    device_.SetCommMask(EventsToMask(listened_));
    Start();
}

TSerialThread::~TSerialThread() {
    Stop();
}

void TSerialThread::Stop() {
    TerminateAndWait();
    *live_ = false;
}

std::int32_t TSerialThread::ReceivedCount() const {
    std::lock_guard lock(receivedLock_);
    return static_cast<std::int32_t>(received_.size());
}

std::int32_t TSerialThread::TakeReceived(char* buffer, std::int32_t count) {
    std::lock_guard lock(receivedLock_);
    const std::size_t n = std::min(received_.size(), static_cast<std::size_t>(count));
    std::memcpy(buffer, received_.data(), n);
    received_.erase(0, n);
    return static_cast<std::int32_t>(n);
}

void TSerialThread::Execute() {
    const HANDLE completion = CreateEventA(nullptr, TRUE, TRUE, nullptr);
    if (completion == nullptr)
        return;
    io_->Overlapped = {};
    io_->Overlapped.hEvent = completion;
    for (bool running = true; running;)
        running = readsDevice_ ? ReadInstead() : AwaitEvents();
    device_.SetCommMask(0);
    device_.PurgeComm(PURGE_TXCLEAR | PURGE_RXCLEAR);
    // An operation left running keeps its event too; closing the port ends it.
    if (io_ != nullptr)
        CloseHandle(completion);
}

bool TSerialThread::AwaitEvents() {
    io_->Mask = 0; // written by the device until Await has seen the wait end
    if (!device_.WaitCommEvent(io_->Mask, io_->Overlapped)) {
        const DWORD error = GetLastError();
        if (WaitUnsupported(error))
            return CannotWait();
        if (error != ERROR_IO_PENDING)
            return !Pause(kSerialRetryPauseMs);
    }
    const TWaitResult result = Await();
    switch (result.End) {
    case TWaitEnd::Done:
        DeliverEvents(MaskToEvents(io_->Mask));
        return true;
    case TWaitEnd::Failed:
        return WaitUnsupported(result.Error) ? CannotWait() : !Pause(kSerialRetryPauseMs);
    default:
        return false;
    }
}

// Reading is how received bytes still arrive; with nothing else to wait for, the thread only
// waits to be stopped.
bool TSerialThread::CannotWait() {
    if (!listened_.Contains(TSerialEvent::evRxChar))
        return !Pause(INFINITE);
    readsDevice_ = true;
    return true;
}

bool TSerialThread::ReadInstead() {
    if (static_cast<std::size_t>(ReceivedCount()) >= heldLimit_)
        return !Pause(kSerialIdlePauseMs);
    DWORD unused = 0;
    if (!device_.ReadFile(io_->Chunk, sizeof io_->Chunk, unused, io_->Overlapped) &&
        GetLastError() != ERROR_IO_PENDING)
        return !Pause(kSerialRetryPauseMs);
    const TWaitResult result = Await();
    switch (result.End) {
    case TWaitEnd::Done:
        if (result.Transferred == 0)
            return !Pause(kSerialIdlePauseMs);
        {
            std::lock_guard lock(receivedLock_);
            received_.append(io_->Chunk, result.Transferred);
        }
        DeliverEvents({TSerialEvent::evRxChar});
        return true;
    case TWaitEnd::Failed:
        return !Pause(kSerialRetryPauseMs);
    default:
        return false;
    }
}

// True when the thread is to end.
bool TSerialThread::Pause(DWORD ms) {
    return WaitForSingleObject(TerminateEvent(), ms) != WAIT_TIMEOUT;
}

TSerialThread::TWaitResult TSerialThread::Await() {
    // The stop event comes first: it wins when both are set.
    const HANDLE handles[2] = {TerminateEvent(), io_->Overlapped.hEvent};
    const DWORD waited = WaitForMultipleObjects(2, handles, FALSE, INFINITE);
    DWORD transferred = 0;
    if (waited == WAIT_OBJECT_0 + 1)
        return device_.GetOverlappedResult(io_->Overlapped, transferred, false)
                   ? TWaitResult{TWaitEnd::Done, transferred, 0}
                   : TWaitResult{TWaitEnd::Failed, transferred, GetLastError()};
    // The device writes into the record and the buffer until the operation has ended.
    device_.CancelIo(io_->Overlapped);
    if (WaitForSingleObject(io_->Overlapped.hEvent, kSerialCancelWaitMs) == WAIT_OBJECT_0)
        device_.GetOverlappedResult(io_->Overlapped, transferred, false);
    else
        io_.release(); // deliberately kept for the device, which may still write into it
    return {waited == WAIT_OBJECT_0 ? TWaitEnd::Stopped : TWaitEnd::WaitFailed, 0, 0};
}

void TSerialThread::DeliverEvents(TSerialEvents events) {
    switch (port_.SyncMethod()) {
    case TSyncMethod::smThreadSync:
        HandOver(events);
        break;
    case TSyncMethod::smWindowSync:
        SendEventsToWindow(events);
        break;
    case TSyncMethod::smNone:
        port_.DispatchEvents(events);
        break;
    }
}

// The batch holds no part of the thread: a handler that closes the port frees the thread while
// the batch is still being raised.
void TSerialThread::HandOver(TSerialEvents events) {
    auto raised = std::make_shared<TSharedEvent>();
    if (raised->Handle == nullptr ||
        !THandOver::Queue([port = &port_, live = live_, events, raised] {
            if (*live)
                port->DispatchEvents(events);
            SetEvent(raised->Handle);
        }))
        return;
    const HANDLE handles[2] = {TerminateEvent(), raised->Handle};
    WaitForMultipleObjects(2, handles, FALSE, INFINITE);
}

void TSerialThread::SendEventsToWindow(TSerialEvents events) {
    for (TSerialEvent event : kDispatchOrder)
        if (events.Contains(event))
            SendMessageA(port_.eventWindow_, kSerialEventMessage, EventMaskBit(event), 0);
}

} // namespace tav
