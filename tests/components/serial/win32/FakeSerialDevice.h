#pragma once
// A scripted serial device for the port's tests (no tests here). Bytes the test receives wait in
// its input queue; a comm-event wait stays pending until the test raises events or receives
// bytes; the calls that shape the port's life are written to a log that the test's handlers
// write to as well. The event thread and the main thread call it at the same time.
//
// As on Windows, an operation that fails as it starts leaves its event reset and its result
// pending for good. Waiting for such an operation would never end: the fake logs
// "endless wait" and fails the wait instead of hanging the test.

#include "components/serial/win32/SerialDevice.h"

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

namespace tav::test {

class TFakeSerialDevice final : public ISerialDevice {
public:
    // The script; set before the port uses the device.
    DWORD OpenError = 0;        // Open fails with it
    DWORD PurgeError = 0;       // PurgeComm fails with it
    DWORD StateError = 0;       // SetCommState fails with it
    DWORD ModemStatusError = 0; // GetCommModemStatus fails with it
    std::atomic<DWORD> ModemStatus{0};
    DWORD WaitError = 0;        // WaitCommEvent fails at once with it
    DWORD WaitEndError = 0;     // WaitCommEvent starts, then ends at once failing with it
    bool ReadsWait = false;     // a read of an empty queue waits for bytes instead of ending
    bool WritesPend = false;    // writes run until they are cancelled
    DWORD WriteError = 0;       // WriteFile fails at once with it, as a pulled-out adapter does
    bool IgnoresCancel = false; // a cancel leaves the operation running, as some drivers do

    // Adds bytes to the input queue: a pending read takes them, or a pending wait ends with
    // EV_RXCHAR. Ignored while the device is closed.
    void Receive(const std::string& bytes);
    // Queues `bytes` and `commErrors`, then ends a pending comm-event wait with `mask`, or has
    // the next wait end with it at once.
    void RaiseEvents(DWORD mask, const std::string& bytes = {}, DWORD commErrors = 0);
    // Ends a pending write, which writes what its buffer holds now, as a driver that ignored
    // the cancel does at last.
    void EndWrite();

    void Note(const std::string& entry);
    std::vector<std::string> Log() const;
    std::string Written() const;
    int WaitCalls() const { return waitCalls_; }
    int ReadCalls() const { return readCalls_; }

    bool Open(const std::string& path) override;
    void Close() override;
    bool SetupComm(DWORD inputSize, DWORD outputSize) override;
    bool SetCommState(const DCB& dcb) override;
    bool SetCommTimeouts(const COMMTIMEOUTS& timeouts) override;
    bool SetCommMask(DWORD mask) override;
    bool PurgeComm(DWORD flags) override;
    bool ClearCommError(DWORD& errors, COMSTAT& status) override;
    bool GetCommModemStatus(DWORD& status) override;
    bool EscapeCommFunction(DWORD function) override;
    bool WriteFile(const void* data, DWORD count, DWORD& written, OVERLAPPED& overlapped) override;
    bool ReadFile(void* data, DWORD count, DWORD& read, OVERLAPPED& overlapped) override;
    bool WaitCommEvent(DWORD& mask, OVERLAPPED& overlapped) override;
    bool GetOverlappedResult(OVERLAPPED& overlapped, DWORD& transferred, bool wait) override;
    void CancelIo(OVERLAPPED& overlapped) override;

private:
    // An operation still running. As Windows does, the device keeps the state of every
    // operation in its OVERLAPPED: Internal holds the error (STATUS_PENDING while it runs)
    // and InternalHigh the bytes moved.
    enum class TKind { Wait, Read, Write };
    struct TOperation {
        TKind Kind;
        OVERLAPPED* Overlapped;
        DWORD* Mask = nullptr;
        char* Data = nullptr;
        DWORD Count = 0;
    };

    // With the lock held.
    bool Start(TOperation operation, bool pending, DWORD transferred);
    void Finish(TKind kind, DWORD error, DWORD transferred);
    TOperation* Pending(TKind kind);
    // Ends a pending wait with `mask`, or keeps it for the next one.
    void Raise(DWORD mask);

    mutable std::mutex lock_;
    std::vector<std::string> log_;
    std::vector<TOperation> operations_;
    std::string input_;
    std::string written_;
    DWORD raised_ = 0;
    DWORD commErrors_ = 0;
    DWORD mask_ = 0;
    bool open_ = false;
    std::atomic<int> waitCalls_{0};
    std::atomic<int> readCalls_{0};
};

} // namespace tav::test
