#pragma once
// The common controls the program makes. The test program takes the system's default ones
// (version 5), the program version 6 as its manifest asks; under Wine only version 6 passes an
// 8-bit call through a translation of its own, so a fault there shows only with them.

#include <windows.h>

namespace tav::test {

// The program's manifest among the test program's resources (tests/win32_tests.rc).
constexpr WORD kProgramManifestId = 3;

// While it lives, the windows made on this thread are the program's common controls.
class ProgramCommonControls {
public:
    ProgramCommonControls() {
        char path[MAX_PATH] = {};
        GetModuleFileNameA(nullptr, path, MAX_PATH);
        ACTCTXA context{};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = path;
        context.lpResourceName = MAKEINTRESOURCEA(kProgramManifestId);
        handle_ = CreateActCtxA(&context);
        active_ = handle_ != INVALID_HANDLE_VALUE && ActivateActCtx(handle_, &cookie_);
    }
    ~ProgramCommonControls() {
        if (active_)
            DeactivateActCtx(0, cookie_);
        if (handle_ != INVALID_HANDLE_VALUE)
            ReleaseActCtx(handle_);
    }
    ProgramCommonControls(const ProgramCommonControls&) = delete;
    ProgramCommonControls& operator=(const ProgramCommonControls&) = delete;

    bool Active() const { return active_; }

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

} // namespace tav::test
