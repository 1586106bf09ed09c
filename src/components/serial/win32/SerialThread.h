#pragma once
// The event thread of an open serial port: it waits for the port's communication events and
// hands each batch to the port by its SyncMethod. Under smThreadSync the thread waits while the
// main thread raises the batch, and issues its next wait only then; bytes that arrive meanwhile
// are counted by the next OnRxChar. It waits no longer than until it is stopped, so a handler
// may close its own port, also from a message loop it runs.
//
// Devices that cannot wait for communication events get overlapped reads instead: each chunk
// read is kept here for the port's readers and announced as a receive event. While the readers
// leave a queue's worth unread, the bytes wait in the device instead.
//
// The thread never spins: a wait that keeps failing (a pulled-out adapter) and a read that
// returns nothing are retried after a pause on the stop event. An exception of a handler goes to
// the application's exception handler and the thread goes on delivering.

#include "components/serial/SerialTypes.h"
#include "framework/win32/Thread.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

namespace tav {

class TCustomSerialPort;
class ISerialDevice;

// The pause after a failed wait or read, before the next try.
inline constexpr DWORD kSerialRetryPauseMs = 100;
// The pause after a read that the port's timeouts ended with nothing read.
inline constexpr DWORD kSerialIdlePauseMs = 10;
// How long a cancelled operation may take to end before the thread, or the port, leaves it to
// the device; also how long past its timeouts the port waits for an operation.
inline constexpr DWORD kSerialCancelWaitMs = 1000;
// The most one read of the device takes at a time.
inline constexpr DWORD kSerialReadChunk = 1024;
// Under smWindowSync: one event to the port's hidden window, its Windows bit in wParam.
inline constexpr UINT kSerialEventMessage = WM_USER + 1;

class TSerialThread final : public TThread {
public:
    // Sets the port's event mask from its Events and starts at the port's priority.
    TSerialThread(TCustomSerialPort& port, ISerialDevice& device);
    ~TSerialThread() override;

    // Stops the thread and waits for it. A batch it has already handed to the main thread runs
    // first, here; none runs afterwards.
    void Stop();

    // True once the thread reads the device in place of waiting for events.
    bool ReadsDevice() const { return readsDevice_; }
    // The bytes it has read and not yet given away; up to `count` of them, in order.
    std::int32_t ReceivedCount() const;
    std::int32_t TakeReceived(char* buffer, std::int32_t count);

protected:
    void Execute() override;

private:
    enum class TWaitEnd { Done, Failed, Stopped, WaitFailed };
    struct TWaitResult {
        TWaitEnd End;
        DWORD Transferred;
        DWORD Error; // of a failed operation
    };
    // Each returns false when the loop ends.
    bool AwaitEvents();
    bool CannotWait();
    bool ReadInstead();
    bool Pause(DWORD ms);
    TWaitResult Await();
    void DeliverEvents(TSerialEvents events);
    void HandOver(TSerialEvents events);
    void SendEventsToWindow(TSerialEvents events);

    TCustomSerialPort& port_;
    ISerialDevice& device_;
    TSerialEvents listened_;
    // Cleared once the thread is stopped: a batch handed over later is dropped.
    std::shared_ptr<std::atomic<bool>> live_ = std::make_shared<std::atomic<bool>>(true);
    // The most bytes read ahead of the port's readers: the size of the device's input queue.
    std::size_t heldLimit_;
    // What the device writes into while an operation runs. It lives on its own: an operation
    // that a stop cannot cancel (some drivers ignore the cancel) keeps it, and the thread ends
    // without it instead of hanging the port's Close.
    struct TIo {
        OVERLAPPED Overlapped{};
        DWORD Mask = 0;
        char Chunk[kSerialReadChunk];
    };
    std::unique_ptr<TIo> io_ = std::make_unique<TIo>();
    std::atomic<bool> readsDevice_{false};
    mutable std::mutex receivedLock_;
    std::string received_;
};

} // namespace tav
