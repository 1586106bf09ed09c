#include "framework/win32/Pump.h"
// Translating the item lists of the real list controls: the user's choice must stay selected,
// since stored settings and action strings refer to items by position.

#include "ui/lang/Lang.h"

#include "../TempFolder.h"
#include "framework/win32/Forms.h"
#include "framework/win32/StdCtrls.h"

#include <gtest/gtest.h>

using namespace tav;

TEST(ListTranslation, ListControlsKeepTheirSelection) {
    test::TempFolder folder;
    auto* form = test::NewLoadedForm(nullptr, "SettingsForm");
    auto* background = new TComboBox(form, form, "BackgroundCoBx");
    background->SetItems({"Transparent", "Black", "White"});
    background->SetItemIndex(2);
    auto* files = new TListBox(form, form, "LangFilesLBx");
    files->SetItems({"a.lng", "b.lng"});
    files->SetItemIndex(1);
    auto* group = new TRadioGroup(form, form, "TrigTypeRGrp");
    group->SetItems({"AND", "OR"});
    group->SetItemIndex(1);
    int groupClicks = 0;
    group->OnClick = [&](TObject*) { ++groupClicks; };

    auto* lang = new TLanguage(form);
    lang->SetSeparator(",");
    lang->SetAutoTranslate(true);
    lang->SetProperties({"SettingsForm.BackgroundCoBx.Items", "SettingsForm.LangFilesLBx.Items",
                         "SettingsForm.TrigTypeRGrp.Items"});
    lang->SetLanguageFile(folder.Write("es.lng", "[Translations]\r\n"
                                                 "SettingsForm.BackgroundCoBx.Items="
                                                 "Transparente,Negro,Blanco\r\n"
                                                 "SettingsForm.LangFilesLBx.Items=x,y\r\n"
                                                 "SettingsForm.TrigTypeRGrp.Items=Y,O\r\n"));

    EXPECT_EQ(background->Items(), (StringList{"Transparente", "Negro", "Blanco"}));
    EXPECT_EQ(background->ItemIndex(), 2);
    EXPECT_EQ(files->Items(), (StringList{"x", "y"}));
    EXPECT_EQ(files->ItemIndex(), 1);
    EXPECT_EQ(group->Items(), (StringList{"Y", "O"}));
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(groupClicks, 0);
    delete form;
}
