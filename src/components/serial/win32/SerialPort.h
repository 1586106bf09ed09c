#pragma once
// A Windows communications port as a component: its settings reach the device as they are set
// while it is open, it reads and writes with overlapped I/O, drives DTR and RTS, and its event
// thread turns the port's events into the component's events (on the main thread by default).
//
// Opening raises OnCTSChange, OnDSRChange and OnRLSDChange once with the lines' states when the
// device can tell them; closing raises them with false before OnBeforeClose. Close always tears
// the port down: what failed on the way (a handler, the purge of a port whose adapter was pulled
// out) is raised once the port is closed. A Close called while the port closes (by a handler that
// Close raises, or one of the batch it serves while it waits for the event thread) does nothing:
// the Close under way finishes the port.
//
// Some devices cannot wait for communication events (virtual ports; Wine's). On those the event
// thread reads the device itself and raises OnRxChar for each chunk it has read; Read, ReadStr
// and InputCount then serve those bytes, in order, and the line-state events stay away. The
// asynchronous reads always go to the device.

#include "components/serial/SerialError.h"
#include "components/serial/SerialSettings.h"
#include "components/serial/SerialTypes.h"
#include "components/serial/win32/SerialDevice.h"
#include "framework/Component.h"
#include "framework/win32/Controls.h"
#include "framework/win32/Thread.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace tav {

class TBufferedIniFile;
class TRegistry;
class TSerialThread;

using TRxCharEvent = std::function<void(TObject* sender, std::int32_t count)>;
using TSerialErrorEvent = std::function<void(TObject* sender, TSerialErrors errors)>;
using TSerialSignalEvent = std::function<void(TObject* sender, bool onOff)>;

// One overlapped operation. Its event starts signalled and its record zeroed, so waiting on a
// request nothing was started on returns 0 at once; an operation that fails as it starts leaves
// the request so again.
enum class TAsyncKind { akWrite, akRead };
struct TSerialAsyncRequest {
    OVERLAPPED Overlapped{};
    TAsyncKind Kind = TAsyncKind::akWrite;
    // The bytes its last operation was asked to move, which set how long it may take.
    std::uint32_t Count = 0;
    // The device its last operation runs on; freeing ends that operation first.
    ISerialDevice* Device = nullptr;
};
void NewAsyncRequest(TSerialAsyncRequest*& request);
// Ends an operation still running on the request (the device would write into freed memory),
// frees it and clears `request`. A device that does not end it within kSerialCancelWaitMs keeps
// the request: it is left to the device instead of freed.
void FreeAsyncRequest(TSerialAsyncRequest*& request) noexcept;

class TCustomSerialPort : public TComponent, public TSerialProperties {
public:
    explicit TCustomSerialPort(TComponent* owner, std::string name = {});
    // Closes the port; never throws.
    ~TCustomSerialPort() override;

    void Open();
    void Close();
    bool Connected() const { return connected_; }
    // While loading only remembered: the port opens when loading ends.
    void SetConnected(bool connected);
    // Ends loading; a port that was to be connected opens, and its failure goes to the
    // application's exception handler.
    void Loaded();

    // The synchronous operations wait until the device has finished; they return the bytes
    // moved. With the default timeouts a read takes what the input queue holds.
    // No wait is unbounded: an operation may take what the port's timeouts give it (see
    // OperationTimeLimitMs) and kSerialCancelWaitMs more; then it is cancelled and fails with
    // ERROR_TIMEOUT. One that fails as it starts is not waited for.
    std::int32_t Write(const void* buffer, std::int32_t count);
    std::int32_t WriteStr(const std::string& text);
    std::int32_t Read(void* buffer, std::int32_t count);
    // Sizes `text` to `count`, reads into it and cuts it to the bytes read.
    std::int32_t ReadStr(std::string& text, std::int32_t count);

    // Start an operation and return what moved at once (0 while it runs).
    std::int32_t WriteAsync(const void* buffer, std::int32_t count, TSerialAsyncRequest* request);
    std::int32_t WriteStrAsync(const std::string& text, TSerialAsyncRequest* request);
    std::int32_t ReadAsync(void* buffer, std::int32_t count, TSerialAsyncRequest* request);
    std::int32_t ReadStrAsync(std::string& text, std::int32_t count, TSerialAsyncRequest* request);
    // Waits for the request's operation, as long as it may take; the bytes it moved.
    std::int32_t WaitForAsync(TSerialAsyncRequest* request);

    // Bytes waiting to be read.
    std::int32_t InputCount();
    // Reads and clears the line's pending errors.
    TSerialErrors ClearErrors();
    TModemSignals ModemStatus();
    void SetDTR(bool on);
    void SetRTS(bool on);

    // The settings store: the values of the registry object's current key, or of the INI
    // section named after the component.
    virtual void SaveToRegistry(TRegistry& registry);
    virtual void SaveToIni(TBufferedIniFile& ini);
    virtual void LoadFromRegistry(TRegistry& registry);
    virtual void LoadFromIni(TBufferedIniFile& ini);

    // A different name on an open port closes it and opens the new one.
    void SetPort(const std::string& port) override;
    // Neither can change on an open port (ESerialPort code 14).
    TThreadPriority EventThreadPriority() const { return eventThreadPriority_; }
    void SetEventThreadPriority(TThreadPriority priority);
    TSyncMethod SyncMethod() const { return syncMethod_; }
    void SetSyncMethod(TSyncMethod method);
    // What the event thread listens for; taken at the next open.
    TSerialEvents Events = kAllSerialEvents;

    void ApplyLineSettings() override;
    void ApplyTimeouts() override;
    void ApplyBufferSizes() override;

    TNotifyEvent OnAfterOpen;
    TNotifyEvent OnAfterClose;
    TNotifyEvent OnBeforeOpen;
    TNotifyEvent OnBeforeClose;
    // `count` bytes wait; the handler reads them itself.
    TRxCharEvent OnRxChar;
    TNotifyEvent OnTxEmpty;
    TNotifyEvent OnBreak;
    TNotifyEvent OnRing;
    TSerialSignalEvent OnCTSChange;
    TSerialSignalEvent OnDSRChange;
    TSerialSignalEvent OnRLSDChange;
    TNotifyEvent OnRxFlag;
    TSerialErrorEvent OnError;
    TNotifyEvent OnRx80Full;

protected:
    virtual void CreatePortHandle();
    virtual void DestroyPortHandle();
    virtual void ApplyAllSettings();

    virtual void FireAfterClose() { Fire(OnAfterClose, this); }
    virtual void FireAfterOpen() { Fire(OnAfterOpen, this); }
    virtual void FireBeforeClose() { Fire(OnBeforeClose, this); }
    virtual void FireBeforeOpen() { Fire(OnBeforeOpen, this); }
    virtual void FireRxChar(std::int32_t count) { Fire(OnRxChar, this, count); }
    virtual void FireTxEmpty() { Fire(OnTxEmpty, this); }
    virtual void FireBreak() { Fire(OnBreak, this); }
    virtual void FireRing() { Fire(OnRing, this); }
    virtual void FireRxFlag() { Fire(OnRxFlag, this); }
    virtual void FireCTSChange(bool on) { Fire(OnCTSChange, this, on); }
    virtual void FireDSRChange(bool on) { Fire(OnDSRChange, this, on); }
    virtual void FireError(TSerialErrors errors) { Fire(OnError, this, errors); }
    virtual void FireRLSDChange(bool on) { Fire(OnRLSDChange, this, on); }
    virtual void FireRx80Full() { Fire(OnRx80Full, this); }

private:
    friend class TSerialThread;
    // Raises the events of one batch in their order while the port is open, each with the
    // line's state read at this moment; a failing handler is reported and the others still run.
    void DispatchEvents(TSerialEvents events);
    void RaiseEvent(TSerialEvent event);
    void RaiseOpenLineStates();
    void StartEvents();
    void StopEvents();
    bool ThreadReadsDevice() const;
    static LRESULT CALLBACK EventWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);

    std::unique_ptr<ISerialDevice> device_;
    std::unique_ptr<TSerialThread> thread_;
    HWND eventWindow_ = nullptr;
    std::atomic<bool> connected_{false};
    bool closing_ = false;
    bool connectWhenLoaded_ = false;
    TThreadPriority eventThreadPriority_ = TThreadPriority::tpNormal;
    TSyncMethod syncMethod_ = TSyncMethod::smThreadSync;
};

// The port as a form declares it.
class TSerialPort : public TCustomSerialPort {
public:
    struct Args {
        std::string Port = "COM1";
        TBaudRate BaudRate = TBaudRate::br9600;
        TParityBits Parity = TParityBits::prNone;
        TStopBits StopBits = TStopBits::sbOneStopBit;
        TDataBits DataBits = TDataBits::dbEight;
        TDTRFlowControl ControlDTR = TDTRFlowControl::dtrDisable;
        bool DiscardNull = false;
        char EventChar = 0;
        TSerialEvents Events = kAllSerialEvents;
        TSyncMethod SyncMethod = TSyncMethod::smThreadSync;
        bool Connected = false;
        TNotifyEvent OnAfterOpen;
        TNotifyEvent OnAfterClose;
        TNotifyEvent OnBeforeOpen;
        TNotifyEvent OnBeforeClose;
        TRxCharEvent OnRxChar;
        TNotifyEvent OnTxEmpty;
        TNotifyEvent OnBreak;
        TNotifyEvent OnRing;
        TSerialSignalEvent OnCTSChange;
        TSerialSignalEvent OnDSRChange;
        TSerialSignalEvent OnRLSDChange;
        TNotifyEvent OnRxFlag;
        TSerialErrorEvent OnError;
        TNotifyEvent OnRx80Full;
    };

    using TCustomSerialPort::TCustomSerialPort;
    static TSerialPort* Construct(TComponent* owner, std::string name, Args&) {
        return new TSerialPort(owner, std::move(name));
    }
    // Takes the declared values and ends loading: a port declared connected opens.
    void ApplyArgs(Args& args);
};

} // namespace tav
