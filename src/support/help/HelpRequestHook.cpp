#include "support/help/HelpRequestHook.h"

#include "support/help/HelpLog.h"
#include "support/help/HelpPath.h"
#include "support/help/HelpTexts.h"

#include <stdexcept>
#include <utility>

namespace tav::help {

THelpRequestHook::THelpRequestHook(std::string helpFile, std::string windowName,
                                   THelpViewerKind kind, IHelpEventSlot& slot,
                                   IHtmlHelpViewer& viewer)
    : helpFile_(std::move(helpFile)), windowName_(std::move(windowName)), kind_(kind), slot_(slot),
      viewer_(viewer), self_(std::make_shared<THelpRequestHook*>(this)) {
    savedOnHelp_ = slot_.Exchange([self = std::weak_ptr<THelpRequestHook*>(self_)](
                                      unsigned command, THelpData data, bool& callHelp) {
        const std::shared_ptr<THelpRequestHook*> hook = self.lock();
        return hook != nullptr && *hook != nullptr && (*hook)->HelpHook(command, data, callHelp);
    });
    DebugLog("THelpRequestHook.Create(\"%s\",\"%s\", %d)", helpFile_, windowName_,
             static_cast<int>(kind_));
}

THelpRequestHook::~THelpRequestHook() {
    *self_ = nullptr;
    if (kind_ == THelpViewerKind::HtmlHelp)
        viewer_.CloseAll();
    slot_.Exchange(std::move(savedOnHelp_));
    DebugLog("THelpRequestHook.Destroy");
}

bool THelpRequestHook::HelpHook(unsigned command, THelpData data, bool& callHelp) {
    DebugLog("THelpRequestHook.HelpHook(%s, %d)", HelpCommandText(command), data);
    callHelp = false;
    switch (command) {
    case helpcmd::Context:
    case helpcmd::ContextPopup:
        // The context is the data's low 32 bits, signed.
        ShowHelpContext(static_cast<std::int32_t>(static_cast<std::uint32_t>(data)));
        break;
    case helpcmd::SetPopupPos:
        popupPos_ = UnpackHelpPoint(data);
        break;
    default:
        callHelp = true;
        break;
    }
    return true;
}

THelpResult THelpRequestHook::ShowHelpContext(int context) {
    const THelpResult result = HHHelpContext(helpFile_, context, windowName_, kind_);
    HHShowError(result);
    return result;
}

THelpResult THelpRequestHook::HHHelpContext(const std::string& helpFile, int context,
                                            const std::string& windowName, THelpViewerKind kind) {
    DebugLog("HHHelpContext(\"%s\", %d, \"%s\", %d)", helpFile, context, windowName,
             static_cast<int>(kind));
    const std::string path = BuildHelpPath(helpFile, {}, windowName,
                                           kind == THelpViewerKind::HH ? THelpPathPrefix::MsItStore
                                                                       : THelpPathPrefix::None);
    if (context < 0)
        throw std::out_of_range("Range check error: help context " + std::to_string(context));
    return ShowContext(path, context, kind);
}

THelpResult THelpRequestHook::ShowContext(const std::string& path, int context,
                                          THelpViewerKind kind) {
    DebugLog("ShowContext(\"%s\", %d)", path, static_cast<int>(kind));
    THelpResult result = THelpResult::Shown;
    if (!viewer_.Installed()) {
        result = THelpResult::NotInstalled;
    } else if (kind == THelpViewerKind::HtmlHelp) {
        if (!viewer_.ShowContext(path, context))
            result = THelpResult::NotOpened;
    } else if (kind == THelpViewerKind::KeyHH) {
        const std::string program = viewer_.WindowsFolder() + "\\KeyHH.EXE";
        if (!viewer_.FileExists(program))
            result = THelpResult::NoKeyHH;
        else
            viewer_.OpenWithShell(program, "-win -#mapid " + std::to_string(context) + " " + path);
    } else if (kind == THelpViewerKind::HH) {
        const std::string program = viewer_.WindowsFolder() + "\\HH.EXE";
        if (!viewer_.FileExists(program))
            result = THelpResult::NoHH;
        else
            viewer_.OpenWithShell(program, "-mapid " + std::to_string(context) + " " + path);
    }
    DebugLog("  returned - %d", static_cast<int>(result));
    return result;
}

void THelpRequestHook::HHShowError(THelpResult result) {
    std::string_view text;
    switch (result) {
    case THelpResult::Shown:
        return;
    case THelpResult::NotInstalled:
        text = text::NotInstalled;
        break;
    case THelpResult::NoKeyHH:
        text = text::NoKeyHH;
        break;
    case THelpResult::NoHH:
        text = text::NoHH;
        break;
    case THelpResult::NotOpened:
        text = text::UnknownError;
        break;
    }
    const std::string message = viewer_.Translate(std::string(text));
    viewer_.ShowError(message);
    DebugLog("HHShowError(%d), \"%s\"", static_cast<int>(result), message);
}

} // namespace tav::help
