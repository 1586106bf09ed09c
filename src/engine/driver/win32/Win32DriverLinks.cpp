#include "engine/driver/win32/Win32DriverLinks.h"

#include "components/driver/win32/SIRCDriverThread.h"

namespace tav {

namespace {

class TDriverThreadReader final : public IDriverReader {
public:
    explicit TDriverThreadReader(TDriverValuesFn onCode)
        : thread_([onCode = std::move(onCode)](TSIRCDriverThread*, const std::int16_t* buffer,
                                               std::int32_t count) {
              onCode(std::span(buffer, static_cast<std::size_t>(count)));
          }) {}
    void Enable() override { thread_.Enable(); }
    void Disable() override { thread_.Disable(); }
    bool GetActive() const override { return thread_.GetActive(); }

private:
    TSIRCDriverThread thread_;
};

} // namespace

std::unique_ptr<IDriverReader> MakeDriverThreadReader(TDriverValuesFn onCode) {
    return std::make_unique<TDriverThreadReader>(std::move(onCode));
}

// The driver is reached as "\\.\<file name>" from the file's folder.
bool TWin32VxDDriver::Open() {
    const std::size_t slash = file_.find_last_of("\\/");
    if (file_.empty() || slash == std::string::npos)
        return false;
    char previous[MAX_PATH] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof previous, previous);
    if (length == 0 || length >= sizeof previous ||
        !SetCurrentDirectoryA(file_.substr(0, slash + 1).c_str()))
        return false;
    handle_ = CreateFileA(("\\\\.\\" + file_.substr(slash + 1)).c_str(), 0, 0, nullptr, 0,
                          FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    SetCurrentDirectoryA(previous);
    return handle_ != INVALID_HANDLE_VALUE;
}

bool TWin32VxDDriver::Control(std::uint32_t code, std::span<const std::uint8_t> input) {
    std::uint8_t output[4] = {};
    DWORD returned = 0;
    return DeviceIoControl(handle_, code, const_cast<std::uint8_t*>(input.data()),
                           static_cast<DWORD>(input.size()), output, sizeof output, &returned,
                           nullptr);
}

void TWin32VxDDriver::Close() {
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

// A copy through the system, which refuses an address that holds nothing readable.
bool TWin32VxDDriver::ReadSamples(std::uintptr_t address, std::span<std::int16_t> samples) {
    SIZE_T read = 0;
    return ReadProcessMemory(GetCurrentProcess(), reinterpret_cast<LPCVOID>(address),
                             samples.data(), samples.size_bytes(), &read) &&
           read == samples.size_bytes();
}

TDriverPlatform RunningDriverPlatform() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (!GetVersionExA(&version))
        return TDriverPlatform::Nt5; // nothing to go by: the driver of every current Windows
    if (version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS)
        return TDriverPlatform::Win9x;
    return version.dwMajorVersion < 5 ? TDriverPlatform::NtBefore5 : TDriverPlatform::Nt5;
}

} // namespace tav
