#include "support/themes/win32/LoadedCommonControls.h"

#include "support/themes/CommonControlsAssembly.h"

#include <shlwapi.h>

#include <algorithm>
#include <cwctype>
#include <string>
#include <vector>

namespace tav::themes {
namespace {

const wchar_t* const kModuleName = L"comctl32.dll";

// The module's own answer.
DWORD ReportedVersion(HMODULE module) {
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")));
    if (getVersion == nullptr)
        return 0;
    DLLVERSIONINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(getVersion(&info)))
        return 0;
    return (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
}

std::wstring Lower(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towlower(c)); });
    return text;
}

// The version of the side-by-side assembly that the active activation context takes the
// module's name from, when `module` is the file of that assembly's folder; 0 otherwise.
DWORD AssemblyVersion(HMODULE module) {
    ACTCTX_SECTION_KEYED_DATA data{};
    data.cbSize = sizeof data;
    if (!FindActCtxSectionStringW(FIND_ACTCTX_SECTION_KEY_RETURN_HACTCTX, nullptr,
                                  ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION, kModuleName, &data))
        return 0;
    SIZE_T size = 0;
    QueryActCtxW(0, data.hActCtx, &data.ulAssemblyRosterIndex,
                 AssemblyDetailedInformationInActivationContext, nullptr, 0, &size);
    // Aligned for the record at its start.
    std::vector<ULONGLONG> buffer(size / sizeof(ULONGLONG) + 1);
    DWORD version = 0;
    if (size != 0 && QueryActCtxW(0, data.hActCtx, &data.ulAssemblyRosterIndex,
                                  AssemblyDetailedInformationInActivationContext, buffer.data(),
                                  buffer.size() * sizeof(ULONGLONG), nullptr)) {
        const auto& info =
            *reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(
                buffer.data());
        wchar_t path[MAX_PATH] = {};
        GetModuleFileNameW(module, path, MAX_PATH);
        if (info.lpAssemblyDirectoryName != nullptr &&
            info.lpAssemblyEncodedAssemblyIdentity != nullptr &&
            Lower(path).find(L"\\" + Lower(info.lpAssemblyDirectoryName) + L"\\") !=
                std::wstring::npos) {
            // The identity is plain ASCII.
            const std::wstring wide = info.lpAssemblyEncodedAssemblyIdentity;
            const std::string identity(wide.begin(), wide.end());
            version = CommonControlsAssemblyVersion(identity).value_or(0);
        }
    }
    ReleaseActCtx(data.hActCtx);
    return version;
}

} // namespace

DWORD LoadedComCtlVersion() {
    HMODULE module = GetModuleHandleW(kModuleName);
    if (module == nullptr)
        return 0;
    return std::max(ReportedVersion(module), AssemblyVersion(module));
}

} // namespace tav::themes
