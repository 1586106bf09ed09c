#pragma once
// The program's help: the hook on the application's help event, which shows the contexts of
// the program's help file in the HTML Help viewer. The main window makes it when it is created
// and frees it when it is destroyed.

#include "support/help/HelpRequestHook.h"

#include <functional>
#include <memory>
#include <string>

namespace tav::help {

using TTranslateFn = std::function<std::string(const std::string& english)>;

// The application's help event.
class TApplicationHelpSlot : public IHelpEventSlot {
public:
    THelpEvent Exchange(THelpEvent event) override;
};

// The help control as the help modules loaded it.
class TWin32HtmlHelpViewer : public IHtmlHelpViewer {
public:
    explicit TWin32HtmlHelpViewer(TTranslateFn translate) : translate_(std::move(translate)) {}
    bool Installed() const override;
    bool ShowContext(const std::string& path, int context) override;
    void CloseAll() override;
    std::string WindowsFolder() const override;
    bool FileExists(const std::string& path) const override;
    bool OpenWithShell(const std::string& program, const std::string& parameters) override;
    void ShowError(const std::string& text) override;
    std::string Translate(const std::string& english) const override;

private:
    TTranslateFn translate_;
};

class THtmlHelpSystem {
public:
    // Texts the user sees pass through `translate`.
    THtmlHelpSystem(std::string helpFile, TTranslateFn translate);
    THelpRequestHook& Hook() { return *hook_; }

private:
    TApplicationHelpSlot slot_;
    TWin32HtmlHelpViewer viewer_;
    std::unique_ptr<THelpRequestHook> hook_;
};

// "[Error:2] File Not Found" for the last system error, its name translated.
std::string LastErrorText(unsigned long error, const TTranslateFn& translate);

} // namespace tav::help
