#include "components/serial/win32/SerialDevice.h"

namespace tav {
namespace {

class TWin32SerialDevice final : public ISerialDevice {
public:
    ~TWin32SerialDevice() override { Close(); }

    bool Open(const std::string& path) override {
        handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OVERLAPPED, nullptr);
        return handle_ != INVALID_HANDLE_VALUE;
    }
    void Close() override {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
        handle_ = INVALID_HANDLE_VALUE;
    }

    bool SetupComm(DWORD inputSize, DWORD outputSize) override {
        return ::SetupComm(handle_, inputSize, outputSize);
    }
    bool SetCommState(const DCB& dcb) override {
        DCB copy = dcb;
        return ::SetCommState(handle_, &copy);
    }
    bool SetCommTimeouts(const COMMTIMEOUTS& timeouts) override {
        COMMTIMEOUTS copy = timeouts;
        return ::SetCommTimeouts(handle_, &copy);
    }
    bool SetCommMask(DWORD mask) override { return ::SetCommMask(handle_, mask); }
    bool PurgeComm(DWORD flags) override { return ::PurgeComm(handle_, flags); }
    bool ClearCommError(DWORD& errors, COMSTAT& status) override {
        return ::ClearCommError(handle_, &errors, &status);
    }
    bool GetCommModemStatus(DWORD& status) override {
        return ::GetCommModemStatus(handle_, &status);
    }
    bool EscapeCommFunction(DWORD function) override {
        return ::EscapeCommFunction(handle_, function);
    }

    bool WriteFile(const void* data, DWORD count, DWORD& written, OVERLAPPED& overlapped) override {
        return ::WriteFile(handle_, data, count, &written, &overlapped);
    }
    bool ReadFile(void* data, DWORD count, DWORD& read, OVERLAPPED& overlapped) override {
        return ::ReadFile(handle_, data, count, &read, &overlapped);
    }
    bool WaitCommEvent(DWORD& mask, OVERLAPPED& overlapped) override {
        return ::WaitCommEvent(handle_, &mask, &overlapped);
    }
    bool GetOverlappedResult(OVERLAPPED& overlapped, DWORD& transferred, bool wait) override {
        return ::GetOverlappedResult(handle_, &overlapped, &transferred, wait);
    }
    void CancelIo(OVERLAPPED& overlapped) override { CancelIoEx(handle_, &overlapped); }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
};

} // namespace

TSeam<SerialDeviceFn>& SerialDeviceSeam() {
    static TSeam<SerialDeviceFn> seam(
        [] { return std::unique_ptr<ISerialDevice>(new TWin32SerialDevice); });
    return seam;
}

} // namespace tav
