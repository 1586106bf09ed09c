#pragma once
// Keys typed through the system's input queue, as a person's keyboard types them: they reach
// the window with the keyboard focus in the foreground, whichever that is. Suites that type
// them run alone (their names end in "Keys" or start with "Program").

#include "framework/win32/Forms.h"
#include "framework/win32/Timer.h"

#include <functional>
#include <string>
#include <vector>

namespace tav::test {

inline void AddKey(std::vector<INPUT>& inputs, WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
}

// Presses and releases `key`, holding `modifier` (none when 0) around it.
inline void TapKey(WORD key, WORD modifier = 0) {
    std::vector<INPUT> inputs;
    if (modifier != 0)
        AddKey(inputs, modifier, false);
    AddKey(inputs, key, false);
    AddKey(inputs, key, true);
    if (modifier != 0)
        AddKey(inputs, modifier, true);
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Types `text`, characters of the keyboard's layout, key by key.
inline void TypeText(const std::string& text) {
    for (const char c : text) {
        const SHORT scan = VkKeyScanA(c);
        TapKey(static_cast<WORD>(LOBYTE(scan)), (HIBYTE(scan) & 1) != 0 ? VK_SHIFT : 0);
    }
}

// Shows `dialog` through its own modal loop and runs `person` from inside that loop, once the
// dialog is up, as someone who then looks at it and types. A dialog the keys leave open is
// cancelled after a few seconds, since nobody else would close it.
inline int ShowModalTo(TForm& dialog, const std::function<void()>& person) {
    TTimer start(nullptr), bound(nullptr);
    start.SetInterval(100);
    start.OnTimer = [&](TObject*) {
        start.SetEnabled(false);
        person();
    };
    bound.SetInterval(5000);
    bound.OnTimer = [&](TObject*) { dialog.ModalResult = mrAbort; };
    return dialog.ShowModal();
}

} // namespace tav::test
