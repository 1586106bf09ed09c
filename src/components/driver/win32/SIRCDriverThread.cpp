#include "components/driver/win32/SIRCDriverThread.h"

#include "framework/win32/HandOver.h"

#include <algorithm>
#include <cstdint>
#include <system_error>
#include <vector>

namespace tav {

TSIRCDriverThread::TSIRCDriverThread(TDriverCodeEvent onCode) : onCode_(std::move(onCode)) {
    device_ = DriverDeviceSeam()();
    listening_ = device_ != nullptr && Listen();
    // A driver that did not take the event is of no use; it is let go at once.
    if (!listening_)
        device_.reset();
}

bool TSIRCDriverThread::Listen() {
    dataEvent_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (dataEvent_ == nullptr)
        return false;
    // The driver takes the event's handle as 4 bytes: its low 32 bits, which hold every
    // handle value of a process.
    const auto event = static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(dataEvent_));
    DWORD returned = 0;
    if (!device_->Control(kDriverRegisterCode, &event, sizeof event, buffer_.data(), sizeof buffer_,
                          returned))
        return false;
    // Active from the first signal on.
    active_ = true;
    try {
        Start();
    } catch (const std::system_error&) {
        active_ = false;
        return false;
    }
    return true;
}

TSIRCDriverThread::~TSIRCDriverThread() {
    *live_ = false;
    TerminateAndWait();
    device_.reset();
    if (dataEvent_ != nullptr)
        CloseHandle(dataEvent_);
}

void TSIRCDriverThread::Enable() {
    if (listening_)
        active_ = true;
}

void TSIRCDriverThread::Execute() {
    // The stop comes first: it wins when both are set.
    const HANDLE handles[2] = {TerminateEvent(), dataEvent_};
    while (WaitForMultipleObjects(2, handles, FALSE, INFINITE) == WAIT_OBJECT_0 + 1)
        ReadCode();
}

// One read per signal, also while disabled: the driver holds its code until it is read.
void TSIRCDriverThread::ReadCode() {
    DWORD returned = 0;
    if (!device_->Control(kDriverReadCode, nullptr, 0, buffer_.data(), sizeof buffer_, returned))
        return;
    if (!active_)
        return;
    // A trailing odd byte is no value.
    const std::size_t count = std::min<std::size_t>(returned, sizeof buffer_) / sizeof buffer_[0];
    std::vector<std::int16_t> values(buffer_.begin(), buffer_.begin() + count);
    THandOver::Queue([this, live = live_, values = std::move(values)] {
        if (*live && active_)
            onCode_(this, values.data(), static_cast<std::int32_t>(values.size()));
    });
}

} // namespace tav
