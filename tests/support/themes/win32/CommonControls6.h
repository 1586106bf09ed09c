#pragma once
// Controls of the common controls' version 6 for a test, made from a manifest file.

#include "ui/lang/TempFolder.h"

#include <windows.h>

#include <string>

namespace tav::test {

// The common controls of version 6, as the program's manifest asks for them: controls made
// while it lives are those the program has.
class CommonControls6 {
public:
    explicit CommonControls6(const TempFolder& folder) {
        const std::string manifest = folder.Write(
            "controls6.manifest",
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>"
            "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">"
            "<dependency><dependentAssembly><assemblyIdentity type=\"win32\" "
            "name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\" "
            "processorArchitecture=\"*\" publicKeyToken=\"6595b64144ccf1df\" language=\"*\"/>"
            "</dependentAssembly></dependency></assembly>");
        ACTCTXA context{};
        context.cbSize = sizeof context;
        context.lpSource = manifest.c_str();
        context_ = CreateActCtxA(&context);
        if (context_ != INVALID_HANDLE_VALUE)
            ActivateActCtx(context_, &cookie_);
    }
    ~CommonControls6() {
        if (context_ == INVALID_HANDLE_VALUE)
            return;
        DeactivateActCtx(0, cookie_);
        ReleaseActCtx(context_);
    }
    bool Active() const { return context_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

} // namespace tav::test
