#pragma once
// Everything that would stop and wait for a person (message boxes, prompts, file and font
// dialogs) or reach outside the program (the shell) goes through one of these seams. The
// defaults call Windows; tests replace a seam with a scripted answer for the length of a
// TSeamScope. Seams are used and replaced on the main thread.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>

namespace tav {

// One replaceable function with the Windows default it falls back to.
template <class Fn> class TSeam {
public:
    explicit TSeam(Fn fallback) : default_(fallback), current_(std::move(fallback)) {}
    TSeam(const TSeam&) = delete;
    TSeam& operator=(const TSeam&) = delete;

    template <class... Args> decltype(auto) operator()(Args&&... args) const {
        return current_(std::forward<Args>(args)...);
    }

    // Installs `fn` and returns the function it replaces; an empty `fn` restores the default.
    Fn Replace(Fn fn) {
        Fn previous = std::move(current_);
        current_ = fn ? std::move(fn) : default_;
        return previous;
    }
    const Fn& Default() const { return default_; }

private:
    Fn default_;
    Fn current_;
};

// Replaces a seam while it lives and puts back what was there before, also when scopes nest.
template <class Fn> class TSeamScope {
public:
    TSeamScope(TSeam<Fn>& seam, Fn fn) : seam_(seam), previous_(seam.Replace(std::move(fn))) {}
    ~TSeamScope() { seam_.Replace(std::move(previous_)); }
    TSeamScope(const TSeamScope&) = delete;
    TSeamScope& operator=(const TSeamScope&) = delete;

private:
    TSeam<Fn>& seam_;
    Fn previous_;
};
template <class Fn, class Script> TSeamScope(TSeam<Fn>&, Script) -> TSeamScope<Fn>;

// Message box: text, caption and MB_ flags; the result is the pressed button's id (IDOK, IDYES...).
using MessageBoxFn =
    std::function<int(const std::string& text, const std::string& caption, UINT flags)>;

// Input prompt: caption, prompt and the value shown; on acceptance `value` holds the typed text.
using InputQueryFn =
    std::function<bool(const std::string& caption, const std::string& prompt, std::string& value)>;

// What an open or save dialog is set up with. `Filter` pairs descriptions and patterns with
// "|" ("Tavrilo files (*.tvr)|*.tvr|All files (*.*)|*.*"); an empty `Title` keeps the
// system's title; `DefaultExt` has no dot.
struct TFileDialogRequest {
    std::string Title;
    std::string Filter;
    std::string DefaultExt;
    std::string InitialDir;
    std::string FileName;
};
// The chosen path, or none when the user cancelled.
using FileDialogFn = std::function<std::optional<std::string>(const TFileDialogRequest&)>;

// Font dialog data, read as the starting choice and replaced on acceptance.
struct TFontDialogData {
    LOGFONTA Font{};
    COLORREF Color = 0;
};
using FontDialogFn = std::function<bool(TFontDialogData&)>;

struct TShellExecuteRequest {
    std::string Verb;
    std::string File;
    std::string Parameters;
    std::string Directory;
    int Show = SW_SHOWNORMAL;
};
// `Error` is the Windows error code of a failed start, 0 on success.
struct TShellExecuteResult {
    bool Success = false;
    DWORD Error = 0;
};
using ShellExecuteFn = std::function<TShellExecuteResult(const TShellExecuteRequest&)>;

TSeam<MessageBoxFn>& MessageBoxSeam();
TSeam<InputQueryFn>& InputQuerySeam();
TSeam<FileDialogFn>& OpenFileDialogSeam();
TSeam<FileDialogFn>& SaveFileDialogSeam();
TSeam<FontDialogFn>& FontDialogSeam();
TSeam<ShellExecuteFn>& ShellExecuteSeam();

// Callers use these; each goes through the current function of its seam.
int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags);
bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value);
std::optional<std::string> OpenFileDialog(const TFileDialogRequest& request);
std::optional<std::string> SaveFileDialog(const TFileDialogRequest& request);
bool ChooseFontDialog(TFontDialogData& data);
TShellExecuteResult ExecuteShell(const TShellExecuteRequest& request);

// "a|b|c|d" as the common dialogs want it: "a\0b\0c\0d\0\0".
std::string FileDialogFilter(const std::string& pipeSeparated);

} // namespace tav
