#include "ui/lang/FormTranslations.h"

#include "TempFolder.h"
#include "framework/Text.h"

#include <gtest/gtest.h>

#include <set>

using namespace tav;

namespace {

const TFormTranslations* const kTables[] = {
    &MainFormTranslations,           &SettingsFormTranslations,    &ActionFormTranslations,
    &SerialSettingsFormTranslations, &TCPSettingsFormTranslations, &InputDlgTranslations,
    &LayoutsFormTranslations,        &LayoutPropFormTranslations,  &LearnFormTranslations,
    &TestOriginFormTranslations,
};

TEST(FormTranslations, EveryFormListsItsKeysUnderItsFormKey) {
    std::size_t properties = 0;
    std::size_t messages = 0;
    std::set<std::string_view, std::less<>> formKeys;
    for (const TFormTranslations* table : kTables) {
        EXPECT_TRUE(formKeys.insert(table->FormKey).second) << table->FormKey;
        std::set<std::string, std::less<>> seen;
        for (std::string_view line : table->Properties) {
            EXPECT_EQ(line.substr(0, table->FormKey.size() + 1), std::string(table->FormKey) + ".")
                << line;
            EXPECT_TRUE(seen.insert(AnsiUpperCase(line)).second) << line;
        }
        for (std::string_view key : table->DirectKeys)
            EXPECT_EQ(key.substr(key.size() - 8), ".Caption") << key;
        properties += table->Properties.size();
        messages += table->Messages.size();
    }
    EXPECT_EQ(properties, 229u);
    // 44 of the windows, the empty name's again in the two layouts dialogs, and the 17 texts
    // of the help that the main window translates.
    EXPECT_EQ(messages, 63u);
    EXPECT_EQ(MainFormTranslations.Properties.size(), 50u);
    EXPECT_EQ(SettingsFormTranslations.Properties.size(), 76u);
    EXPECT_EQ(ActionFormTranslations.Properties.size(), 48u);
}

struct Captioned : TComponent {
    Captioned(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {
        PublishString(
            "Caption", [this] { return caption; }, [this](const std::string& v) { caption = v; });
    }
    std::string caption = "English";
};

TEST(FormTranslations, FormLanguageTranslatesTheFormsComponentsButNotItsCaption) {
    test::TempFolder folder;
    Captioned form(nullptr, "TCPSettingsForm");
    auto* accept = new Captioned(&form, "AcceptBtn");
    TLanguage* lang = CreateFormLanguage(&form, TCPSettingsFormTranslations);
    EXPECT_EQ(form.FindComponent("lang"), lang);
    EXPECT_EQ(lang->Separator(), "");
    lang->SetLanguageFile(folder.Write("es.lng", "[Translations]\n"
                                                 "TCPIPForm.Caption=Propiedades\n"
                                                 "TCPIPForm.AcceptBtn.Caption=&Aceptar\n"
                                                 "TCPSettingsForm.Caption=Propiedades TCP/IP\n"));
    EXPECT_EQ(accept->caption, "&Aceptar");
    EXPECT_EQ(form.caption, "English");

    Captioned main(nullptr, "MainForm");
    EXPECT_EQ(CreateFormLanguage(&main, MainFormTranslations)->Separator(), ",");
}

} // namespace
