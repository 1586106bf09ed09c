// The settings dialog's sounds page: the user's own sounds, added from a wave file or from the
// Windows event sounds, played and deleted. The list is stored when the dialog has closed.

#include "framework/FileNames.h"
#include "framework/Text.h"
#include "framework/win32/Seams.h"
#include "ui/lang/FormTranslations.h"
#include "ui/password/win32/Password.h"
#include "ui/settings/win32/SettingsForm.h"

#include <mmsystem.h>

namespace tav {

void TSettingsForm::WinSoundsRBtnClick(TObject*) {
    UpdateControls();
}

void TSettingsForm::NewSoundBtnClick(TObject*) {
    TSoundEntry sound;
    if (WinSoundsRBtn->Checked()) {
        const int chosen = WinSoundsCoBx->ItemIndex();
        if (chosen < 0)
            return;
        sound.Name = WinSoundsCoBx->Item(chosen);
        sound.Path = WindowsSoundPath(winSounds_, sound.Name);
    } else {
        const auto file =
            OpenFileDialog({"Select sound file", "Wave table (*.wav)|*.wav", {}, {}, {}});
        if (!file)
            return;
        sound.Path = *file;
        sound.Name = ExtractFileName(*file);
        if (!InputQueryDlg("New sound", "Enter sound name:", sound.Name, LanguageFile()))
            return;
        sound.Name = Trim(sound.Name);
    }
    const std::string path = sound.Path;
    if (!AddSound(sounds_, std::move(sound))) {
        ShowMessageBox(Message(msg::SoundNeedsName), Caption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    WidenFileColumn(path);
    ShowSounds();
}

void TSettingsForm::SoundsListDblClick(TObject*) {
    const TListItem* item = SoundsList->Selected();
    if (item != nullptr && !item->SubItems().empty() && !item->SubItems()[0].empty())
        PlaySoundA(item->SubItems()[0].c_str(), nullptr, SND_FILENAME | SND_ASYNC);
}

void TSettingsForm::SoundsListKeyDown(TObject*, WORD& key, TShiftState) {
    if (key == VK_DELETE && SoundsList->Selected() != nullptr)
        DeleteMenuClick(DeleteMenu);
}

void TSettingsForm::SoundsPopUpMenuPopup(TObject*) {
    DeleteMenu->SetEnabled(SoundsList->Selected() != nullptr);
}

// The sound is the one selected when the question was asked.
void TSettingsForm::DeleteMenuClick(TObject*) {
    const TListItem* item = SoundsList->Selected();
    if (item == nullptr)
        return;
    const std::string name = item->Caption();
    if (ShowMessageBox(Message(msg::DeleteSoundQuestion), Message(msg::Confirmation),
                       MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    std::erase_if(sounds_, [&](const TSoundEntry& sound) { return sound.Name == name; });
    ShowSounds();
}

} // namespace tav
