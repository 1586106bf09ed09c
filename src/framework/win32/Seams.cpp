#include "framework/win32/Seams.h"

#include <commdlg.h>
#include <shellapi.h>

#include <vector>

namespace tav {

bool RunInputQueryDialog(const std::string& caption, const std::string& prompt,
                         std::string& value); // SeamsInputQuery.cpp

namespace {

// Dialogs belong to the window the user is working in, when this thread has one.
HWND DialogOwner() {
    return GetActiveWindow();
}

const char* OrNull(const std::string& s) {
    return s.empty() ? nullptr : s.c_str();
}

int WindowsMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxA(DialogOwner(), text.c_str(), caption.c_str(), flags);
}

// Large enough for any path the dialogs hand back; the longest Windows path is 32767.
constexpr DWORD FileBufferSize = 32768;

std::optional<std::string> RunFileDialog(const TFileDialogRequest& request, bool save) {
    const std::string filter = FileDialogFilter(request.Filter);
    std::vector<char> file(FileBufferSize, '\0');
    request.FileName.copy(file.data(), FileBufferSize - 1);

    OPENFILENAMEA ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = DialogOwner();
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = FileBufferSize;
    ofn.lpstrInitialDir = OrNull(request.InitialDir);
    ofn.lpstrTitle = OrNull(request.Title);
    ofn.lpstrDefExt = OrNull(request.DefaultExt);
    // The program names its files by full path, so the dialog must not move the current folder.
    ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_NOCHANGEDIR;
    const BOOL chosen = save ? GetSaveFileNameA(&ofn) : GetOpenFileNameA(&ofn);
    if (!chosen)
        return std::nullopt;
    return std::string(file.data());
}

std::optional<std::string> WindowsOpenFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(request, false);
}

std::optional<std::string> WindowsSaveFileDialog(const TFileDialogRequest& request) {
    return RunFileDialog(request, true);
}

bool WindowsFontDialog(TFontDialogData& data) {
    LOGFONTA font = data.Font;
    CHOOSEFONTA cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = DialogOwner();
    cf.lpLogFont = &font;
    cf.rgbColors = data.Color;
    cf.Flags = CF_SCREENFONTS | CF_EFFECTS | CF_INITTOLOGFONTSTRUCT;
    if (!ChooseFontA(&cf))
        return false;
    data.Font = font;
    data.Color = cf.rgbColors;
    return true;
}

TShellExecuteResult WindowsShellExecute(const TShellExecuteRequest& request) {
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // Failures are reported to the caller, never to the user in a box of the shell's own.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.lpVerb = OrNull(request.Verb);
    info.lpFile = request.File.c_str();
    info.lpParameters = OrNull(request.Parameters);
    info.lpDirectory = OrNull(request.Directory);
    info.nShow = request.Show;
    if (ShellExecuteExA(&info))
        return {true, 0};
    DWORD error = GetLastError();
    if (error == 0) // some shells leave only the old-style code (at most 32) in hInstApp
        error = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(info.hInstApp));
    return {false, error};
}

} // namespace

TSeam<MessageBoxFn>& MessageBoxSeam() {
    static TSeam<MessageBoxFn> seam(WindowsMessageBox);
    return seam;
}

TSeam<InputQueryFn>& InputQuerySeam() {
    static TSeam<InputQueryFn> seam(RunInputQueryDialog);
    return seam;
}

TSeam<FileDialogFn>& OpenFileDialogSeam() {
    static TSeam<FileDialogFn> seam(WindowsOpenFileDialog);
    return seam;
}

TSeam<FileDialogFn>& SaveFileDialogSeam() {
    static TSeam<FileDialogFn> seam(WindowsSaveFileDialog);
    return seam;
}

TSeam<FontDialogFn>& FontDialogSeam() {
    static TSeam<FontDialogFn> seam(WindowsFontDialog);
    return seam;
}

TSeam<ShellExecuteFn>& ShellExecuteSeam() {
    static TSeam<ShellExecuteFn> seam(WindowsShellExecute);
    return seam;
}

int ShowMessageBox(const std::string& text, const std::string& caption, UINT flags) {
    return MessageBoxSeam()(text, caption, flags);
}

bool InputQuery(const std::string& caption, const std::string& prompt, std::string& value) {
    return InputQuerySeam()(caption, prompt, value);
}

std::optional<std::string> OpenFileDialog(const TFileDialogRequest& request) {
    return OpenFileDialogSeam()(request);
}

std::optional<std::string> SaveFileDialog(const TFileDialogRequest& request) {
    return SaveFileDialogSeam()(request);
}

bool ChooseFontDialog(TFontDialogData& data) {
    return FontDialogSeam()(data);
}

TShellExecuteResult ExecuteShell(const TShellExecuteRequest& request) {
    return ShellExecuteSeam()(request);
}

std::string FileDialogFilter(const std::string& pipeSeparated) {
    if (pipeSeparated.empty())
        return {};
    std::string out = pipeSeparated;
    for (char& c : out)
        if (c == '|')
            c = '\0';
    out.push_back('\0');
    out.push_back('\0');
    return out;
}

} // namespace tav
