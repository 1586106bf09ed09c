#include "ui/lang/Lang.h"

#include "TempFolder.h"
#include "ui/lang/DirectRead.h"
#include "ui/lang/PortableProfileFile.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tav;

namespace {

// A control with a caption, an item list with a selection, and an integer property. Like a
// combo box, it loses its selection whenever its items are replaced.
struct FakeControl : TComponent {
    FakeControl(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {
        PublishString(
            "Caption", [this] { return caption; }, [this](const std::string& v) { caption = v; });
        PublishList(
            "Items", [this] { return items; },
            [this](const StringList& v) {
                itemIndex = -1;
                items = v;
                ++listAssignments;
            });
        PublishInteger(
            "ItemIndex", [this] { return itemIndex; }, [this](int v) { itemIndex = v; });
        PublishInteger(
            "Width", [this] { return width; }, [this](int v) { width = v; });
    }
    std::string caption = "English";
    StringList items;
    int itemIndex = -1;
    int width = 10;
    int listAssignments = 0;
};

struct FakeForm : TComponent {
    FakeForm() : TComponent(nullptr, "TCPSettingsForm") {
        PublishString(
            "Caption", [this] { return caption; }, [this](const std::string& v) { caption = v; });
    }
    void BeginUpdate() override { ++updates; }
    void EndUpdate() override {
        --updates;
        ++updatesEnded;
    }
    std::string caption = "TCP/IP properties";
    int updates = 0;
    int updatesEnded = 0;
};

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override {
        TLanguage::SetApplicationObject(nullptr);
        TLanguage::SetProfileOpener(&TPortableProfileFile::Open);
    }

    FakeControl* Control(const std::string& name) { return new FakeControl(form.get(), name); }

    // Writes a language file with the two sections and returns its path.
    std::string WriteLanguage(const std::string& translations, const std::string& messages = {},
                              const std::string& name = "test.lng") {
        return folder.Write(name,
                            "[Translations]\r\n" + translations + "[Messages]\r\n" + messages);
    }

    // Gives the component `lines` and runs a pass over the file written from `translations`.
    void TranslateWith(const StringList& lines, const std::string& translations) {
        lang->SetProperties(lines);
        lang->SetLanguageFile(WriteLanguage(translations));
    }

    test::TempFolder folder;
    std::unique_ptr<FakeForm> form = std::make_unique<FakeForm>();
    TLanguage* lang = [this] {
        auto* l = new TLanguage(form.get());
        l->SetSeparator(",");
        l->SetAutoTranslate(true);
        return l;
    }();
};

TEST_F(LanguageTest, PassSetsCaptionsWithTildesAsTabsAndFiresItsEvents) {
    FakeControl* ok = Control("OkBtn");
    FakeControl* info = Control("InfoLbl");
    std::vector<std::string> events;
    lang->OnBeforeTranslation = [&](TComponent* s) {
        EXPECT_EQ(s, lang);
        events.push_back("before:" + ok->caption);
    };
    lang->OnAfterTranslation = [&](TComponent* s) {
        EXPECT_EQ(s, lang);
        events.push_back("after:" + ok->caption);
    };
    TranslateWith({"TCPIPForm.OkBtn.Caption", "", "   ", "  TCPIPForm.InfoLbl.Caption  "},
                  "tcpipform.okbtn.caption = &Aceptar\r\n"
                  "TCPIPForm.InfoLbl.Caption=one~two~~three\r\n");
    EXPECT_EQ(ok->caption, "&Aceptar");
    EXPECT_EQ(info->caption, "one\ttwo\t\tthree");
    EXPECT_EQ(events, (std::vector<std::string>{"before:English", "after:&Aceptar"}));
}

TEST_F(LanguageTest, ListValuesSplitAtTheSeparator) {
    FakeControl* list = Control("List");
    const PublishedProperty& items = *list->FindProperty("Items");
    const struct {
        std::string value;
        StringList expected;
    } cases[] = {
        {"a,b,c", {"a", "b", "c"}}, {"a,,b", {"a", "", "b"}},         {"a,b,", {"a", "b"}},
        {",a,b", {"", "a", "b"}},   {" a , b\t,c ", {"a", "b", "c"}},
    };
    for (const auto& c : cases) {
        list->items.assign(c.expected.size(), "old");
        lang->SetListProperty(list, items, c.value);
        EXPECT_EQ(list->items, c.expected) << c.value;
    }
}

TEST_F(LanguageTest, SeparatorSetterAndEmptySeparator) {
    FakeControl* list = Control("List");
    const PublishedProperty& items = *list->FindProperty("Items");

    lang->SetSeparator(" \t ");
    EXPECT_EQ(lang->Separator(), ",");
    lang->SetSeparator(" ; ");
    EXPECT_EQ(lang->Separator(), " ; ");
    list->items = {"x", "y"};
    lang->SetListProperty(list, items, "a;b ; c");
    EXPECT_EQ(list->items, (StringList{"a;b", "c"}));

    // A component whose separator was never set (the TCP/IP dialog's) never splits.
    TLanguage plain(form.get(), "Plain");
    EXPECT_EQ(plain.Separator(), "");
    list->items = {"x"};
    plain.SetListProperty(list, items, " a,b ");
    EXPECT_EQ(list->items, (StringList{"a,b"}));
}

TEST_F(LanguageTest, OnlyANewPathStartsAPass) {
    int passes = 0;
    lang->OnBeforeTranslation = [&](TComponent*) { ++passes; };
    const std::string path = WriteLanguage("");
    lang->SetLanguageFile(path);
    lang->SetLanguageFile(path);
    EXPECT_EQ(passes, 1);
    std::string otherCase = path;
    otherCase.back() = 'G';
    lang->SetLanguageFile(otherCase);
    EXPECT_EQ(passes, 2);

    lang->SetLoading(true);
    lang->SetLanguageFile(path);
    EXPECT_EQ(passes, 2);
    EXPECT_EQ(lang->LanguageFile(), path);
    lang->SetLoading(false);

    lang->SetAutoTranslate(false);
    lang->SetLanguageFile(otherCase);
    EXPECT_EQ(passes, 2);
    lang->Translate();
    EXPECT_EQ(passes, 3);
}

TEST_F(LanguageTest, TargetIsTheFormsComponentNamedByTheNextToLastSegment) {
    FakeControl* accept = Control("AcceptBtn");
    FakeControl* panel = Control("Panel");
    FakeControl* inner = new FakeControl(panel, "Inner");
    FakeControl* list = Control("SoundsList");
    TranslateWith({"TCPIPForm.Caption", "SettingsForm.SoundsList.Columns[0].Caption",
                   "Anything.AcceptBtn.Caption", "TCPIPForm.Panel.Inner.Caption",
                   "TCPIPForm.AcceptBtn.Panel.Caption"},
                  "TCPIPForm.Caption=Propiedades\r\n"
                  "SettingsForm.SoundsList.Columns[0].Caption=Nombre\r\n"
                  "Anything.AcceptBtn.Caption=&Aceptar\r\n"
                  "TCPIPForm.Panel.Inner.Caption=Dentro\r\n"
                  "TCPIPForm.AcceptBtn.Panel.Caption=Panel\r\n");
    EXPECT_EQ(form->caption, "TCP/IP properties");
    EXPECT_EQ(list->caption, "English");
    EXPECT_EQ(accept->caption, "&Aceptar");
    EXPECT_EQ(inner->caption, "English"); // not a direct component of the form
    EXPECT_EQ(panel->caption, "Panel");
}

TEST_F(LanguageTest, PathWithoutDotTargetsTheApplicationObjectWhenThereIsOne) {
    const std::string path = WriteLanguage("Caption=Aplicaci\xF3n\r\n");
    lang->SetProperties({"Caption"});
    lang->SetLanguageFile(path);
    EXPECT_EQ(form->caption, "TCP/IP properties");

    FakeControl application(nullptr, "Application");
    TLanguage::SetApplicationObject(&application);
    lang->Translate();
    EXPECT_EQ(application.caption, "Aplicaci\xF3n");
}

TEST_F(LanguageTest, OnTranslateSeesTheOldValueAndMayChangeTheNewOne) {
    FakeControl* ok = Control("OkBtn");
    FakeControl* list = Control("List");
    list->items = {"a", "b"};
    std::vector<std::string> seen;
    lang->OnTranslate = [&](TComponent* sender, TComponent* target, const std::string& property,
                            const std::string& oldValue, std::string& newValue) {
        EXPECT_EQ(sender, lang);
        seen.push_back(target->Name() + "|" + property + "|" + oldValue + "|" + newValue);
        newValue += "!";
    };
    TranslateWith(
        {"F.OkBtn.Caption", "F.List.Items", "F.OkBtn.Missing", "F.Gone.Caption", "F.OkBtn.Width"},
        "F.OkBtn.Caption=Vale\r\nF.List.Items=x,y\r\nF.OkBtn.Missing=m\r\n"
        "F.Gone.Caption=g\r\nF.OkBtn.Width=\r\n");
    EXPECT_EQ(seen, (std::vector<std::string>{"OkBtn|Caption|English|Vale", "List|Items||x,y",
                                              "OkBtn|Missing||m"}));
    EXPECT_EQ(ok->caption, "Vale!");
    EXPECT_EQ(list->items, (StringList{"x", "y!"}));
}

TEST_F(LanguageTest, MissingOrEmptyTranslationsKeepTheText) {
    FakeControl* ok = Control("OkBtn");
    FakeControl* cancel = Control("CancelBtn");
    TranslateWith({"F.OkBtn.Caption", "F.CancelBtn.Caption"}, "F.OkBtn.Caption=\r\n");
    EXPECT_EQ(ok->caption, "English");
    EXPECT_EQ(cancel->caption, "English");

    lang->SetLanguageFile(folder.Path().string() + "/missing.lng");
    EXPECT_EQ(ok->caption, "English");
}

TEST_F(LanguageTest, ItemListOfAnotherLengthLeavesItemsAndSelectionAlone) {
    FakeControl* group = Control("TrigTypeRGrp");
    group->items = {"AND", "OR"};
    group->itemIndex = 1;
    TranslateWith({"MainForm.TrigTypeRGrp.Items"}, "MainForm.TrigTypeRGrp.Items=Y,O,NI\r\n");
    EXPECT_EQ(group->items, (StringList{"AND", "OR"}));
    EXPECT_EQ(group->listAssignments, 0);
    EXPECT_EQ(group->itemIndex, 1);

    lang->SetLanguageFile(WriteLanguage("MainForm.TrigTypeRGrp.Items=Y,O\r\n", {}, "es.lng"));
    EXPECT_EQ(group->items, (StringList{"Y", "O"}));
    EXPECT_EQ(group->listAssignments, 1);
    EXPECT_EQ(group->itemIndex, 1);
}

TEST_F(LanguageTest, ValueThatIsNoIntegerSkipsOnlyItsLine) {
    FakeControl* a = Control("A");
    FakeControl* b = Control("B");
    bool after = false;
    lang->OnAfterTranslation = [&](TComponent*) { after = true; };
    TranslateWith({"F.A.Width", "F.B.Width", "F.B.Caption"},
                  "F.A.Width=wide\r\nF.B.Width=$20\r\nF.B.Caption=Be\r\n");
    EXPECT_EQ(a->width, 10);
    EXPECT_EQ(b->width, 32);
    EXPECT_EQ(b->caption, "Be");
    EXPECT_TRUE(after);
    EXPECT_TRUE(TLanguage::IsIntegerProperty(a, "width"));
    EXPECT_FALSE(TLanguage::IsStringProperty(a, "Width"));
}

TEST_F(LanguageTest, TheOwningFormAnswersThePassOnceAtItsEnd) {
    Control("AcceptBtn");
    Control("CancelBtn");
    std::vector<int> updates;
    lang->OnTranslate = [&](TComponent*, TComponent*, const std::string&, const std::string&,
                            std::string&) { updates.push_back(form->updates); };
    TranslateWith(
        {"TCPIPForm.AcceptBtn.Caption", "TCPIPForm.CancelBtn.Caption"},
        "TCPIPForm.AcceptBtn.Caption=Aceptar\r\nTCPIPForm.CancelBtn.Caption=Cancelar\r\n");
    EXPECT_EQ(updates, (std::vector<int>{1, 1}));
    EXPECT_EQ(form->updates, 0);
    EXPECT_EQ(form->updatesEnded, 1);
}

TEST_F(LanguageTest, MessagesFallBackToTheKeyExactlyAsPassed) {
    int opened = 0;
    TLanguage::SetProfileOpener([&](const std::string& path) {
        ++opened;
        return TPortableProfileFile::Open(path);
    });
    lang->SetAutoTranslate(false);
    const std::string key = "Are you sure you want to delete the remote '";
    EXPECT_EQ(lang->GetMessageText(key), key);
    EXPECT_EQ(opened, 0);

    const std::string path = WriteLanguage(
        "", "Default=Predeterminado\r\nAre you sure you want to delete the remote '=\r\n");
    lang->SetLanguageFile(path);
    EXPECT_EQ(lang->GetMessageText("default"), "Predeterminado");
    EXPECT_EQ(lang->GetMessageText(key), key);
    EXPECT_EQ(lang->GetMessageText("New remote"), "New remote");

    // Read anew at every call.
    WriteLanguage("", "Default=Standard\r\n");
    EXPECT_EQ(lang->GetMessageText("Default"), "Standard");
    EXPECT_EQ(opened, 4);
}

TEST_F(LanguageTest, DirectReadMissesAKeyWithABlankBeforeItsEqualsSignThatThePassFinds) {
    FakeControl* ok = Control("OkBtn");
    TranslateWith({"PasswordDlg.OkBtn.Caption"}, "PasswordDlg.OkBtn.Caption =Vale\r\n");
    EXPECT_EQ(ok->caption, "Vale");
    EXPECT_EQ(ReadDirectKey(lang->LanguageFile(), "PasswordDlg.OkBtn.Caption"), "");
    EXPECT_EQ(ReadDirectKey(lang->LanguageFile(), "PasswordDlg.OkBtn.Caption "), "Vale");
}

TEST(LanguagePath, SplitPathHead) {
    std::string path = " Form . Btn . Caption ";
    std::string head;
    TLanguage::SplitPathHead(path, head);
    EXPECT_EQ(head, "Form");
    EXPECT_EQ(path, "Btn . Caption");
    EXPECT_FALSE(TLanguage::IsLastSegment(path));
    TLanguage::SplitPathHead(path, head);
    TLanguage::SplitPathHead(path, head);
    EXPECT_EQ(head, "Caption");
    EXPECT_EQ(path, "");
    EXPECT_TRUE(TLanguage::IsLastSegment(path));
    EXPECT_EQ(TLanguage::FindOwnedComponent(nullptr, "x"), nullptr);
}

} // namespace
