// The default input prompt: a small modal dialog made from a template in memory, so that it
// needs no resource and none of the program's forms.

#include "framework/win32/Seams.h"

#include <cstdint>
#include <vector>

namespace tav {

bool RunInputQueryDialog(const std::string& caption, const std::string& prompt, std::string& value);

namespace {

constexpr WORD PromptId = 100;
constexpr WORD EditId = 101;

// Predefined window classes of dialog templates.
constexpr WORD ButtonClass = 0x0080;
constexpr WORD EditClass = 0x0081;
constexpr WORD StaticClass = 0x0082;

struct QueryState {
    const std::string* caption;
    const std::string* prompt;
    std::string typed;
    const std::string* initial;
};

class TemplateWriter {
public:
    void Word(WORD w) { words_.push_back(w); }
    void Dword(DWORD d) {
        Word(static_cast<WORD>(d & 0xFFFF));
        Word(static_cast<WORD>(d >> 16));
    }
    void WideText(const wchar_t* s) {
        do
            Word(static_cast<WORD>(*s));
        while (*s++);
    }
    void AlignDword() {
        if (words_.size() % 2 != 0)
            Word(0);
    }
    // Caller texts are set as Windows-1252 when the dialog starts; the template holds only the
    // fixed button captions.
    void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD windowClass,
              const wchar_t* title = L"") {
        AlignDword();
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        for (short v : {x, y, cx, cy})
            Word(static_cast<WORD>(v));
        Word(id);
        Word(0xFFFF);
        Word(windowClass);
        WideText(title);
        Word(0); // no creation data
    }
    const DLGTEMPLATE* Data() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    std::vector<WORD> words_;
};

std::string WindowText(HWND wnd) {
    const int length = GetWindowTextLengthA(wnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(wnd, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

INT_PTR CALLBACK QueryProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) {
    try {
        switch (msg) {
        case WM_INITDIALOG: {
            auto* state = reinterpret_cast<QueryState*>(lParam);
            SetWindowLongPtrA(dlg, DWLP_USER, lParam);
            SetWindowTextA(dlg, state->caption->c_str());
            SetDlgItemTextA(dlg, PromptId, state->prompt->c_str());
            SetDlgItemTextA(dlg, EditId, state->initial->c_str());
            HWND edit = GetDlgItem(dlg, EditId);
            SendMessageA(edit, EM_SETSEL, 0, -1);
            SetFocus(edit);
            return FALSE; // focus set here
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK) {
                auto* state = reinterpret_cast<QueryState*>(GetWindowLongPtrA(dlg, DWLP_USER));
                state->typed = WindowText(GetDlgItem(dlg, EditId));
                EndDialog(dlg, IDOK);
                return TRUE;
            }
            if (LOWORD(wParam) == IDCANCEL) {
                EndDialog(dlg, IDCANCEL);
                return TRUE;
            }
            break;
        default:
            break;
        }
    } catch (...) {
        // Nothing may leave a dialog procedure; an answer that could not be read counts as
        // cancelled.
        EndDialog(dlg, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool RunInputQueryDialog(const std::string& caption, const std::string& prompt,
                         std::string& value) {
    TemplateWriter t;
    // Dialog units: a one-line prompt over a full-width edit, buttons at the bottom right.
    t.Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU);
    t.Dword(0);
    t.Word(4); // items
    for (short v : {0, 0, 180, 63})
        t.Word(static_cast<WORD>(v));
    t.Word(0); // no menu
    t.Word(0); // standard dialog class
    t.Word(0); // caption set later
    t.Word(8);
    t.WideText(L"MS Shell Dlg");
    t.Item(SS_LEFT | SS_NOPREFIX, 7, 7, 166, 9, PromptId, StaticClass);
    t.Item(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 7, 19, 166, 12, EditId, EditClass);
    t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 68, 42, 50, 14, IDOK, ButtonClass, L"OK");
    t.Item(BS_PUSHBUTTON | WS_TABSTOP, 123, 42, 50, 14, IDCANCEL, ButtonClass, L"Cancel");

    QueryState state{&caption, &prompt, {}, &value};
    const INT_PTR result =
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t.Data(), GetActiveWindow(), QueryProc,
                                reinterpret_cast<LPARAM>(&state));
    if (result != IDOK)
        return false;
    value = std::move(state.typed);
    return true;
}

} // namespace tav
