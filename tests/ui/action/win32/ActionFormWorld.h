#pragma once
// An action editor over made-up mixers, a user message list and test settings.

#include "components/mixer/AudioMixer.h"
#include "ui/action/FakeMixerBackend.h"
#include "ui/action/win32/ActionForm.h"
#include "ui/lang/TempFolder.h"
#include "ui/main/win32/ActionPictures.h"
#include "ui/serialsettings/win32/FakeSerialDialogHost.h"

#include <memory>

namespace tav::test {

struct ActionFormWorld {
    TempFolder folder;
    FakeSerialDialogHost host;
    TAudioMixer mixer{nullptr, std::make_unique<FakeMixerBackend>(TwoMixers())};
    TMessageLists messages{
        folder.Write("MyMsgList.txt", "Beep=WM_USER,1A,2B\r\nQuiet=WM_CLOSE\r\n")};
    std::unique_ptr<TDrawnImageList> pictures = [] {
        auto list = std::make_unique<TDrawnImageList>(nullptr, "ActionsImgList");
        AddActionPictures(*list);
        return list;
    }();

    TActionForm* Make(std::function<std::string()> languageFile = {}) {
        return new TActionForm(
            nullptr,
            {mixer, messages, host.settings, host, std::move(languageFile), *pictures, {}});
    }
};

} // namespace tav::test
