// The contract every form of the program keeps, checked on the real windows: its translation
// keys reach a component and a property, Tab reaches every tab stop, mnemonics are unique on
// every page, and no caption is clipped, in English and with texts 40 % longer; a dialog opened
// modally has the keyboard at its first control. A new form joins by one line in kForms.

#include "Clipping.h"
#include "LongerTexts.h"
#include "SampleDialog.h"
#include "framework/Text.h"
#include "framework/win32/Pump.h"
#include "framework/win32/RealKeys.h"
#include "framework/win32/TestRegistryKey.h"
#include "ui/action/win32/ActionFormWorld.h"
#include "ui/lang/TempFolder.h"
#include "ui/layouts/win32/LayoutPropForm.h"
#include "ui/layouts/win32/LayoutsForm.h"
#include "ui/learn/win32/LearnForm.h"
#include "ui/main/win32/MainForm.h"
#include "ui/main/win32/MainFormKey.h"
#include "ui/password/win32/Password.h"
#include "ui/serialsettings/win32/FakeSerialDialogHost.h"
#include "ui/serialsettings/win32/SerialSettingsForm.h"
#include "ui/settings/win32/FakeSettingsFormHost.h"
#include "ui/settings/win32/SettingsForm.h"
#include "ui/splash/win32/SplashForm.h"
#include "ui/tcpsettings/win32/TCPSettingsForm.h"
#include "ui/testorigin/win32/TestOriginForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

using namespace tav;
using tav::test::CollectControls;
using tav::test::ShownControls;
using tav::test::ShowsMnemonic;

namespace {

struct FormEntry {
    const char* Name;
    std::function<TForm*()> Make;
    const TFormTranslations& Table;
    // Components the form's table names that later work adds to the form.
    std::set<std::string> Pending;
};

test::MainFormKey& SettingsKey() {
    static test::MainFormKey key;
    return key;
}

TLearnQueue& LearnQueue() {
    static TLearnQueue queue;
    return queue;
}

test::TSampleSettings& SampleSettings() {
    static test::TSampleSettings settings;
    return settings;
}

test::FakeSerialDialogHost& SerialHost() {
    static test::FakeSerialDialogHost host;
    return host;
}

// The receiver's dialog shows the most: every line setting and the init string, or, for a
// receiver that is found by a search, the Find button.
TForm* SerialDialog(const std::string& receiverType) {
    SerialHost().SetTypes(receiverType, "Generic");
    auto* dialog = new TSerialSettingsForm(nullptr, SerialHost().settings, SerialHost(), "");
    dialog->PortKind = kReceiverPortKind;
    return dialog;
}

// With sounds in its list, a log file and every box that enables another control checked.
TForm* SettingsDialog() {
    static test::FakeSettingsFormHost host;
    static test::TempFolder program;
    program.Write("Lang/english.lng", "");
    host.settings.SetSounds({{"Doorbell", "C:\\Windows\\Media\\ding.wav"}});
    host.settings.SetStr("Log file", "C:\\Tavrilo\\commands.log");
    for (const char* name :
         {"Use serial console port", "Use TCP/IP", "Use AVerMedia", "Binary values"})
        host.settings.SetBool(name, true);
    return new TSettingsForm(nullptr, host.settings, host,
                             {program.Path().string(), "\\NoAppEvents"});
}

TForm* TcpDialog() {
    SerialHost().settings.SetBool("TCP/IP client enabled", true);
    SerialHost().settings.SetBool("TCP/IP server enabled", true);
    return new TTCPSettingsForm(nullptr, SerialHost().settings, "");
}

test::ActionFormWorld& EditorWorld() {
    static test::ActionFormWorld world;
    return world;
}

// The about box carries no translations: its texts are the program's name, its web address and
// "OK".
const TFormTranslations kNoTranslations{"SplashForm", "", {}, {}, {}};

std::vector<TTestOrigin> CheckedOrigins() {
    std::vector<TTestOrigin> origins;
    for (const char* caption : {"&Serial port:", "Serial &console port:", "&Keyboard trapping"})
        origins.push_back({caption, true, [](bool) {}});
    return origins;
}

// A layout beside the default one, so that its row can be selected.
TDocument& LayoutsDocument() {
    static TDocument doc{[] { return std::string("Default"); }};
    if (doc.Layouts().size() == 1)
        doc.AddLayout("Media Player", "Windows Media Player", "WMPlayerApp");
    return doc;
}

const FormEntry kForms[] = {
    {"SampleDialog", [] { return new test::TSampleDialog(nullptr, SampleSettings()); },
     test::SampleDialogTranslations},
    {"MainForm", [] { return new TMainForm(nullptr, SettingsKey().Path()); }, MainFormTranslations},
    {"SplashForm", [] { return new TSplashForm(nullptr); }, kNoTranslations},
    {"InputDlg", [] { return new TInputDlg(nullptr, "", TInputMode::Password); },
     InputDlgTranslations},
    {"TestOriginForm", [] { return new TTestOriginForm(nullptr, CheckedOrigins(), {}, ""); },
     TestOriginFormTranslations},
    {"LearnForm", [] { return new TLearnForm(nullptr, LearnQueue(), ""); }, LearnFormTranslations},
    {"SerialSettingsForm", [] { return SerialDialog("Generic"); }, SerialSettingsFormTranslations},
    {"SerialSettingsFormSearch", [] { return SerialDialog("UIR, Irman"); },
     SerialSettingsFormTranslations},
    {"TCPSettingsForm", TcpDialog, TCPSettingsFormTranslations},
    {"SettingsForm", SettingsDialog, SettingsFormTranslations},
    {"ActionForm", [] { return EditorWorld().Make(); }, ActionFormTranslations},
    {"LayoutsForm", [] { return new TLayoutsForm(nullptr, LayoutsDocument(), ""); },
     LayoutsFormTranslations},
    {"LayoutPropForm", [] { return new TLayoutPropForm(nullptr, ""); }, LayoutPropFormTranslations},
};

// The forms the program opens as dialogs: all but the main window.
std::vector<FormEntry> Dialogs() {
    std::vector<FormEntry> dialogs;
    for (const FormEntry& entry : kForms)
        if (std::string_view(entry.Name) != "MainForm")
            dialogs.push_back(entry);
    return dialogs;
}

void PrintTo(const FormEntry& entry, std::ostream* out) {
    *out << entry.Name;
}

// Enabled with every container around it.
bool ReallyEnabled(const TControl* c) {
    for (; c != nullptr; c = c->Parent())
        if (!IsWindowEnabled(c->Handle()))
            return false;
    return true;
}

// Keys the translation pass does not serve: the form's own caption and the texts its dialog
// reads directly from the file.
bool ServedDirectly(const TFormTranslations& table, std::string_view key) {
    if (SplitString(key, ".").size() == 2)
        return true;
    return std::find(table.DirectKeys.begin(), table.DirectKeys.end(), key) !=
           table.DirectKeys.end();
}

// Every way the form can look: each page of each page control in turn (one look without).
void ForEachPage(TForm& form, const std::function<void(const std::string& page)>& check) {
    std::vector<TControl*> all;
    CollectControls(&form, all);
    bool anyPages = false;
    for (TControl* c : all) {
        auto* pages = dynamic_cast<TPageControl*>(c);
        if (pages == nullptr)
            continue;
        anyPages = true;
        for (int i = 0; i < pages->PageCount(); ++i) {
            pages->SetActivePageIndex(i);
            check(pages->Page(i)->Name());
        }
    }
    if (!anyPages)
        check(form.Name());
}

// The form shown; the suite named ...Dpi runs at 96 and at 144 DPI, the one named ...Keys alone
// (it follows the keyboard focus).
struct ShownForm : ::testing::TestWithParam<FormEntry> {
    void SetUp() override {
        form = GetParam().Make();
        form->Show();
        test::PumpFor(std::chrono::milliseconds(50));
    }
    void TearDown() override { delete form; }
    TForm* form = nullptr;
};

struct FormsContractDpi : ShownForm {
    void ExpectNothingClipped(const std::string& language) {
        ForEachPage(*form, [&](const std::string& page) {
            test::ExpectNothingClipped(*form, language + ", page " + page);
        });
    }
};

using FormsContractKeys = ShownForm;

TEST_P(FormsContractDpi, EveryTranslationKeyReachesAComponentAndAProperty) {
    const FormEntry& entry = GetParam();
    for (std::string_view key : entry.Table.Properties) {
        if (ServedDirectly(entry.Table, key))
            continue;
        const auto parts = test::SplitKey(key);
        ASSERT_TRUE(parts.has_value()) << key;
        if (entry.Pending.contains(parts->Component))
            continue;
        TComponent* component = form->FindComponent(parts->Component);
        ASSERT_NE(component, nullptr) << key << " names no component of " << entry.Name;
        EXPECT_NE(component->FindProperty(parts->Property), nullptr)
            << key << " names no property of " << parts->Component;
    }
    for (const std::string& pending : entry.Pending)
        EXPECT_EQ(form->FindComponent(pending), nullptr)
            << pending << " exists now: take it off the form's pending list";
}

TEST_P(FormsContractDpi, TheDeclarationEndsSoEventsReachTheirHandlers) {
    EXPECT_TRUE(form->CanFireEvents());
}

TEST_P(FormsContractKeys, TabReachesEveryEnabledTabStopOnEveryPage) {
    ForEachPage(*form, [&](const std::string& page) {
        std::set<TControl*> expected;
        for (TControl* c : ShownControls(*form))
            if (c->TabStop() && ReallyEnabled(c))
                expected.insert(c);
        if (expected.empty())
            return;
        (*expected.begin())->SetFocus();
        std::set<TControl*> reached;
        for (size_t i = 0; i < expected.size() + 1; ++i) {
            reached.insert(TControl::FindControl(GetFocus()));
            PostMessageA(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
            Application().ProcessMessages();
        }
        for (TControl* c : expected)
            EXPECT_TRUE(reached.contains(c))
                << "page " << page << ": Tab never reaches " << c->Name();
    });
}

// Opened modally from a window that has the keyboard, as the program opens its dialogs.
struct OpenedFormKeys : ::testing::TestWithParam<FormEntry> {};

TEST_P(OpenedFormKeys, ItsFirstControlHasTheKeyboardAndEscapeClosesIt) {
    TForm opener(nullptr, "Opener");
    auto* openerEdBx = new TEdit(&opener, &opener, "OpenerEdBx");
    opener.Loaded();
    opener.Show();
    SetForegroundWindow(opener.Handle());
    openerEdBx->SetFocus();
    std::unique_ptr<TForm> form(GetParam().Make());
    TControl* first = nullptr;
    TControl* focused = nullptr;
    EXPECT_NE(test::ShowModalTo(*form,
                                [&] {
                                    const std::vector<TControl*> chain = form->TabChain();
                                    first = chain.empty() ? nullptr : chain.front();
                                    focused = form->ActiveControl();
                                    test::TapKey(VK_ESCAPE);
                                }),
              mrAbort)
        << "Escape did not reach it";
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(focused, first) << first->Name() << " should have the keyboard, "
                              << (focused != nullptr ? focused->Name() : "nothing") << " has it";
}

TEST_P(FormsContractDpi, MnemonicsAreUniqueOnEveryPage) {
    ForEachPage(*form, [&](const std::string& page) {
        std::map<char, std::string> owners;
        auto claim = [&](char letter, const std::string& name) {
            if (letter == 0)
                return;
            auto [it, fresh] = owners.emplace(letter, name);
            EXPECT_TRUE(fresh) << "page " << page << ": " << name << " and " << it->second
                               << " both answer Alt+" << letter;
        };
        for (TControl* c : ShownControls(*form)) {
            if (ShowsMnemonic(c))
                claim(CaptionMnemonic(c->Caption()), c->Name());
            if (auto* pages = dynamic_cast<TPageControl*>(c))
                for (int i = 0; i < pages->PageCount(); ++i)
                    claim(CaptionMnemonic(pages->Page(i)->Caption()), pages->Page(i)->Name());
        }
    });
}

TEST_P(FormsContractDpi, NoCaptionIsClippedInEnglishOrWithTextsFortyPercentLonger) {
    ExpectNothingClipped("English");
    if (GetParam().Table.Properties.empty())
        return; // nothing to translate
    test::TempFolder folder;
    auto* lang = dynamic_cast<TLanguage*>(form->FindComponent("Lang"));
    ASSERT_NE(lang, nullptr);
    lang->SetLanguageFile(
        folder.Write("longer.lng", test::LongerLanguageFile(*form, GetParam().Table)));
    ExpectNothingClipped("longer texts");
}

std::string FormName(const ::testing::TestParamInfo<FormEntry>& info) {
    return info.param.Name;
}
INSTANTIATE_TEST_SUITE_P(Forms, FormsContractDpi, ::testing::ValuesIn(kForms), FormName);
INSTANTIATE_TEST_SUITE_P(Forms, FormsContractKeys, ::testing::ValuesIn(kForms), FormName);
INSTANTIATE_TEST_SUITE_P(Dialogs, OpenedFormKeys, ::testing::ValuesIn(Dialogs()), FormName);

} // namespace
