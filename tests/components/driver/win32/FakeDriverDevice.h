#pragma once
// A stand-in for the receiver driver, whose device the reader opens through DriverDeviceSeam:
// it keeps the event the reader hands it, signals it for each code sent, and answers each read
// with the next code (none: the read fails).

#include "components/driver/win32/DriverDevice.h"
#include "components/driver/win32/SIRCDriverThread.h"

#include <windows.h>

#include <atomic>
#include <cstring>
#include <deque>
#include <mutex>
#include <optional>
#include <string>

namespace tav::test {

class FakeDriver {
public:
    bool present = true;
    bool refuseRegister = false;
    std::atomic<int> reads{0};

    DriverDeviceFn Seam() {
        return [this]() -> std::unique_ptr<IDriverDevice> {
            return present ? std::make_unique<Device>(*this) : nullptr;
        };
    }
    void Send(std::optional<std::string> bytes) {
        std::lock_guard hold(lock_);
        codes_.push_back(std::move(bytes));
        SetEvent(event_);
    }
    // Sends and waits until the reader has read it, serving nothing meanwhile.
    void SendAndAwaitRead(std::optional<std::string> bytes) {
        const int before = reads;
        Send(std::move(bytes));
        for (int i = 0; i < 300 && reads == before; ++i)
            Sleep(10);
    }

private:
    struct Device : IDriverDevice {
        explicit Device(FakeDriver& driver) : driver_(driver) {}
        bool Control(DWORD code, const void* input, DWORD inputSize, void* output, DWORD outputSize,
                     DWORD& returned) override {
            return code == kDriverRegisterCode ? driver_.Register(input, inputSize)
                                               : driver_.Read(output, outputSize, returned);
        }
        FakeDriver& driver_;
    };

    bool Register(const void* input, DWORD size) {
        if (refuseRegister || size != 4)
            return false;
        // A handle travels as its low 32 bits; Windows widens it with its sign.
        std::int32_t value = 0;
        std::memcpy(&value, input, sizeof value);
        event_ = reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(value));
        return true;
    }
    bool Read(void* output, DWORD size, DWORD& returned) {
        std::lock_guard hold(lock_);
        std::optional<std::string> code;
        if (!codes_.empty()) {
            code = std::move(codes_.front());
            codes_.pop_front();
        }
        ++reads;
        if (!code)
            return false;
        returned = static_cast<DWORD>(std::min<std::size_t>(code->size(), size));
        std::memcpy(output, code->data(), returned);
        return true;
    }

    std::mutex lock_;
    HANDLE event_ = nullptr;
    std::deque<std::optional<std::string>> codes_;
};

} // namespace tav::test
