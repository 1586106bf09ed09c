#include "components/serial/win32/SerialPort.h"

#include "components/serial/LineSettings.h"
#include "components/serial/win32/SerialThread.h"
#include "framework/win32/HandOver.h"

#include <exception>
#include <stdexcept>

namespace tav {
namespace {

constexpr char kEventWindowClass[] = "TavSerialPortEvents";

HWND MakeEventWindow(TCustomSerialPort* port, WNDPROC proc) {
    static const bool registered = [proc] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kEventWindowClass;
        return RegisterClassExA(&wc) != 0;
    }();
    (void)registered;
    HWND window = CreateWindowExA(0, kEventWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    if (window == nullptr)
        throw std::runtime_error("Cannot create the serial port's event window");
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(port));
    return window;
}

// A handler's failure reaches the application's exception handler on the main thread.
void ReportFailure(const std::string& text) {
    if (THandOver::IsMainThread())
        HandleException(text);
    else
        THandOver::Queue([text] { HandleException(text); });
}

// Runs one step of closing; its failure is kept for the end, so the port is closed first.
template <class Fn> void KeepFailure(std::exception_ptr& failure, Fn&& step) {
    try {
        step();
    } catch (...) {
        if (!failure)
            failure = std::current_exception();
    }
}

} // namespace

TCustomSerialPort::TCustomSerialPort(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), device_(SerialDeviceSeam()()) {}

TCustomSerialPort::~TCustomSerialPort() {
    BeginDestruction();
    try {
        Close();
    } catch (...) {
        // The port is closed all the same; nobody is left to act on what failed on the way.
    }
}

void TCustomSerialPort::SetConnected(bool connected) {
    if (Loading())
        connectWhenLoaded_ = connected;
    else if (connected)
        Open();
    else
        Close();
}

void TCustomSerialPort::Loaded() {
    SetLoading(false);
    if (connectWhenLoaded_)
        CallGuarded([this] { Open(); });
}

void TCustomSerialPort::Open() {
    if (connected_)
        return;
    FireBeforeOpen();
    CreatePortHandle();
    connected_ = true;
    try {
        ApplyAllSettings();
        StartEvents();
    } catch (...) {
        StopEvents();
        DestroyPortHandle();
        connected_ = false;
        throw;
    }
    FireAfterOpen();
    RaiseOpenLineStates();
}

void TCustomSerialPort::Close() {
    if (!connected_ || closing_)
        return;
    closing_ = true;
    const struct TClosed {
        bool& Closing;
        ~TClosed() { Closing = false; }
    } closed{closing_};
    std::exception_ptr failure;
    KeepFailure(failure, [this] { FireCTSChange(false); });
    KeepFailure(failure, [this] { FireDSRChange(false); });
    KeepFailure(failure, [this] { FireRLSDChange(false); });
    KeepFailure(failure, [this] { FireBeforeClose(); });
    if (!device_->PurgeComm(PURGE_TXABORT | PURGE_RXABORT) && !failure)
        failure = std::make_exception_ptr(
            ESerialPort(kSerialPurgeFailed, static_cast<std::int32_t>(GetLastError())));
    StopEvents();
    DestroyPortHandle();
    connected_ = false;
    KeepFailure(failure, [this] { FireAfterClose(); });
    if (failure)
        std::rethrow_exception(failure);
}

void TCustomSerialPort::CreatePortHandle() {
    if (!device_->Open("\\\\.\\" + Port()))
        throw ESerialPort(kSerialOpenFailed, static_cast<std::int32_t>(GetLastError()));
}

void TCustomSerialPort::DestroyPortHandle() {
    device_->Close();
}

void TCustomSerialPort::ApplyAllSettings() {
    ApplyBufferSizes();
    ApplyLineSettings();
    ApplyTimeouts();
}

void TCustomSerialPort::StartEvents() {
    if (Events.Empty())
        return;
    if (syncMethod_ == TSyncMethod::smWindowSync)
        eventWindow_ = MakeEventWindow(this, &TCustomSerialPort::EventWindowProc);
    thread_ = std::make_unique<TSerialThread>(*this, *device_);
}

void TCustomSerialPort::StopEvents() {
    // Stopped before it goes: a batch it handed over runs now and may still read its bytes.
    if (thread_)
        thread_->Stop();
    thread_.reset();
    if (eventWindow_ != nullptr)
        DestroyWindow(eventWindow_);
    eventWindow_ = nullptr;
}

// The lines' states reach the signal handlers only when the device can tell them.
void TCustomSerialPort::RaiseOpenLineStates() {
    TModemSignals lines;
    try {
        lines = ModemStatus();
    } catch (const ESerialPort&) {
        return;
    }
    FireCTSChange(lines.Contains(TModemSignal::msCTS));
    FireDSRChange(lines.Contains(TModemSignal::msDSR));
    FireRLSDChange(lines.Contains(TModemSignal::msRLSD));
}

void TCustomSerialPort::DispatchEvents(TSerialEvents events) {
    for (TSerialEvent event : kDispatchOrder) {
        if (!events.Contains(event) || !connected_)
            continue;
        try {
            RaiseEvent(event);
        } catch (const std::exception& e) {
            ReportFailure(e.what());
        } catch (...) {
            ReportFailure("Unknown exception");
        }
    }
}

void TCustomSerialPort::RaiseEvent(TSerialEvent event) {
    switch (event) {
    case TSerialEvent::evError:
        if (const TSerialErrors errors = ClearErrors(); !errors.Empty())
            FireError(errors);
        break;
    case TSerialEvent::evRxChar:
        if (const std::int32_t count = InputCount(); count > 0)
            FireRxChar(count);
        break;
    case TSerialEvent::evTxEmpty:
        FireTxEmpty();
        break;
    case TSerialEvent::evBreak:
        FireBreak();
        break;
    case TSerialEvent::evRing:
        FireRing();
        break;
    case TSerialEvent::evCTS:
        FireCTSChange(ModemStatus().Contains(TModemSignal::msCTS));
        break;
    case TSerialEvent::evDSR:
        FireDSRChange(ModemStatus().Contains(TModemSignal::msDSR));
        break;
    case TSerialEvent::evRxFlag:
        FireRxFlag();
        break;
    case TSerialEvent::evRLSD:
        FireRLSDChange(ModemStatus().Contains(TModemSignal::msRLSD));
        break;
    case TSerialEvent::evRx80Full:
        FireRx80Full();
        break;
    }
}

LRESULT CALLBACK TCustomSerialPort::EventWindowProc(HWND window, UINT msg, WPARAM wParam,
                                                    LPARAM lParam) {
    if (msg != kSerialEventMessage)
        return DefWindowProcA(window, msg, wParam, lParam);
    // The event thread goes on at once.
    if (InSendMessage())
        ReplyMessage(0);
    if (auto* port = reinterpret_cast<TCustomSerialPort*>(GetWindowLongPtrA(window, GWLP_USERDATA)))
        port->DispatchEvents(MaskToEvents(static_cast<std::uint32_t>(wParam)));
    return 0;
}

void TCustomSerialPort::SetPort(const std::string& port) {
    if (port == Port())
        return;
    if (!connected_ || Loading()) {
        TSerialProperties::SetPort(port);
        return;
    }
    Close();
    TSerialProperties::SetPort(port);
    Open();
}

void TCustomSerialPort::SetEventThreadPriority(TThreadPriority priority) {
    if (priority == eventThreadPriority_)
        return;
    if (connected_ && !Loading())
        throw ESerialPort(kSerialSetWhileConnected, -1);
    eventThreadPriority_ = priority;
}

void TCustomSerialPort::SetSyncMethod(TSyncMethod method) {
    if (method == syncMethod_)
        return;
    if (connected_ && !Loading())
        throw ESerialPort(kSerialSetWhileConnected, -1);
    syncMethod_ = method;
}

void TCustomSerialPort::ApplyLineSettings() {
    if (!connected_ || Loading())
        return;
    const TCommStateValues v = BuildCommState(*this);
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    dcb.BaudRate = v.BaudRate;
    dcb.fBinary = (v.Flags & comm_flags::kBinary) != 0;
    dcb.fParity = (v.Flags & comm_flags::kParity) != 0;
    dcb.fOutxCtsFlow = (v.Flags & comm_flags::kOutxCtsFlow) != 0;
    dcb.fOutxDsrFlow = (v.Flags & comm_flags::kOutxDsrFlow) != 0;
    dcb.fDtrControl = (v.Flags >> comm_flags::kDtrControlShift) & 3;
    dcb.fDsrSensitivity = (v.Flags & comm_flags::kDsrSensitivity) != 0;
    dcb.fTXContinueOnXoff = (v.Flags & comm_flags::kTxContinueOnXoff) != 0;
    dcb.fOutX = (v.Flags & comm_flags::kOutX) != 0;
    dcb.fInX = (v.Flags & comm_flags::kInX) != 0;
    dcb.fErrorChar = (v.Flags & comm_flags::kErrorChar) != 0;
    dcb.fNull = (v.Flags & comm_flags::kNull) != 0;
    dcb.fRtsControl = (v.Flags >> comm_flags::kRtsControlShift) & 3;
    dcb.XonLim = v.XonLim;
    dcb.XoffLim = v.XoffLim;
    dcb.ByteSize = v.ByteSize;
    dcb.Parity = v.Parity;
    dcb.StopBits = v.StopBits;
    dcb.XonChar = v.XonChar;
    dcb.XoffChar = v.XoffChar;
    dcb.ErrorChar = v.ErrorChar;
    dcb.EofChar = v.EofChar;
    dcb.EvtChar = v.EvtChar;
    if (!device_->SetCommState(dcb))
        throw ESerialPort(kSerialSetStateFailed, static_cast<std::int32_t>(GetLastError()));
}

void TCustomSerialPort::ApplyTimeouts() {
    if (!connected_ || Loading())
        return;
    const TCommTimeoutValues v = BuildCommTimeouts(Timeouts());
    const COMMTIMEOUTS t{v.ReadInterval, v.ReadTotalMultiplier, v.ReadTotalConstant,
                         v.WriteTotalMultiplier, v.WriteTotalConstant};
    if (!device_->SetCommTimeouts(t))
        throw ESerialPort(kSerialSetTimeoutsFailed, static_cast<std::int32_t>(GetLastError()));
}

void TCustomSerialPort::ApplyBufferSizes() {
    if (!connected_ || Loading())
        return;
    const TQueueSizes sizes = BuildQueueSizes(Buffer());
    if (!device_->SetupComm(sizes.Input, sizes.Output))
        throw ESerialPort(kSerialSetupFailed, static_cast<std::int32_t>(GetLastError()));
}

void TSerialPort::ApplyArgs(Args& a) {
    SetLoading(true);
    SetPort(a.Port);
    SetBaudRate(a.BaudRate);
    Parity().SetBits(a.Parity);
    SetStopBits(a.StopBits);
    SetDataBits(a.DataBits);
    FlowControl().SetControlDTR(a.ControlDTR);
    SetDiscardNull(a.DiscardNull);
    SetEventChar(a.EventChar);
    Events = a.Events;
    SetSyncMethod(a.SyncMethod);
    SetConnected(a.Connected);
    OnAfterOpen = std::move(a.OnAfterOpen);
    OnAfterClose = std::move(a.OnAfterClose);
    OnBeforeOpen = std::move(a.OnBeforeOpen);
    OnBeforeClose = std::move(a.OnBeforeClose);
    OnRxChar = std::move(a.OnRxChar);
    OnTxEmpty = std::move(a.OnTxEmpty);
    OnBreak = std::move(a.OnBreak);
    OnRing = std::move(a.OnRing);
    OnCTSChange = std::move(a.OnCTSChange);
    OnDSRChange = std::move(a.OnDSRChange);
    OnRLSDChange = std::move(a.OnRLSDChange);
    OnRxFlag = std::move(a.OnRxFlag);
    OnError = std::move(a.OnError);
    OnRx80Full = std::move(a.OnRx80Full);
    Loaded();
}

} // namespace tav
