#include "engine/config/ConfigFile.h"

#include "components/TempPath.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

using namespace tav;
using tav::test::FileExists;
using tav::test::ReadBytes;
using tav::test::TempPath;
using tav::test::WriteBytes;

namespace {

TConfigFileInfo Info() {
    TConfigFileInfo info;
    info.Date = "09.12.2026 05:10:00";
    return info;
}

std::string Standard() {
    return "Standard";
}

// Two remotes, three commands, a second layout with an item that lists a remote and one command
// twice, and an item in the default layout.
std::unique_ptr<TDocument> Sample() {
    auto doc = std::make_unique<TDocument>(Standard);
    TCommandNode* tv = doc->AddRemote("TV");
    TCommandNode* up = doc->AddCommand(tv, "Up");
    TCommandNode* down = doc->AddCommand(tv, "Down");
    TCommandNode* vcr = doc->AddRemote("VCR");
    TCommandNode* play = doc->AddCommand(vcr, "Play");
    doc->SetCode(*up->Data(), {5, 419, 32});
    doc->SetCode(*down->Data(), {-1});
    down->Data()->Sound = "ding";
    down->Data()->Typematic = false;
    vcr->Data()->Recognition = false;

    TAction* mute = doc->AddAction(doc->DefaultLayout(), "Mute");
    doc->AddTrigger(mute, play);
    mute->ActionStrings = {"\xA1Mixer\xA1 Mute"};
    TLayout* player = doc->AddLayout("Player", "Media", "PlayerClass");
    TAction* all = doc->AddAction(player, "All");
    all->TrigEn = 1;
    all->TrigType = 1;
    all->AllAtOnce = true;
    doc->AddTrigger(all, tv);
    doc->AddTrigger(all, up);
    all->ActionStrings = {"a", "b"};
    return doc;
}

TConfigLoadResult Parse(const std::string& text) {
    return ParseConfig(text, Standard);
}

std::vector<std::string> NodeNames(const TDocument& doc) {
    std::vector<std::string> names;
    for (const TCommandNode* n : doc.Tree().Nodes())
        names.push_back((n->IsRemote() ? "" : "  ") + n->Text);
    return names;
}

} // namespace

TEST(ConfigFile, EmptyDocumentBytes) {
    TDocument doc(Standard);
    EXPECT_EQ(FormatConfig(doc, Info()), "[File information]\r\n"
                                         "Program=Tavrilo 4.0b\r\n"
                                         "Version=4\r\n"
                                         "Web=http://www.tavrilo.example\r\n"
                                         "Date=09.12.2026 05:10:00\r\n"
                                         "Commands=0\r\n"
                                         "Layouts=1\r\n"
                                         "\r\n"
                                         "[L0]\r\n"
                                         "Name=Standard\r\n"
                                         "Application=\r\n"
                                         "WndTitle=\r\n"
                                         "ActCount=0\r\n");
}

TEST(ConfigFile, SampleBytes) {
    const std::string text = FormatConfig(*Sample(), Info());
    const std::string expectedNodes = "[C0]\r\nName=TV\r\nLevel=0\r\nSound=\r\nRecognition=1\r\n"
                                      "Typematic=1\r\nDigits=0\r\nCode=\r\nTrigCount=0\r\n\r\n"
                                      "[C1]\r\nName=Up\r\nLevel=1\r\nSound=\r\nRecognition=1\r\n"
                                      "Typematic=1\r\nDigits=3\r\nCode=0051A3020\r\nTrigCount=1\r\n"
                                      "TA0=L1A0\r\n\r\n"
                                      "[C2]\r\nName=Down\r\nLevel=1\r\nSound=ding\r\n"
                                      "Recognition=1\r\nTypematic=0\r\nDigits=8\r\n"
                                      "Code=FFFFFFFF\r\nTrigCount=1\r\nTA0=L1A0\r\n\r\n"
                                      "[C3]\r\nName=VCR\r\nLevel=0\r\nSound=\r\nRecognition=0\r\n";
    EXPECT_NE(text.find("Commands=5\r\nLayouts=2\r\n\r\n" + expectedNodes), std::string::npos)
        << text;
    const std::string expectedLayouts =
        "[L0]\r\nName=Standard\r\nApplication=\r\nWndTitle=\r\nActCount=1\r\n\r\n"
        "[L0A0]\r\nName=Mute\r\nTrigEn=0\r\nTrigType=0\r\nAllAtOnce=0\r\nTrigCount=1\r\nTC0=4\r\n"
        "ActCount=1\r\nA0=\xA1Mixer\xA1 Mute\r\n\r\n"
        "[L1]\r\nName=Player\r\nApplication=PlayerClass\r\nWndTitle=Media\r\nActCount=1\r\n\r\n"
        "[L1A0]\r\nName=All\r\nTrigEn=1\r\nTrigType=1\r\nAllAtOnce=1\r\nTrigCount=3\r\n"
        "TC0=1\r\nTC1=2\r\nTC2=1\r\nActCount=2\r\nA0=a\r\nA1=b\r\n";
    EXPECT_NE(text.find("TA0=L0A0\r\n\r\n" + expectedLayouts), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - expectedLayouts.size()), expectedLayouts);
}

TEST(ConfigFile, ReadsBackWhatItWrites) {
    const auto original = Sample();
    const std::string text = FormatConfig(*original, Info());
    const auto loaded = Parse(text);
    ASSERT_EQ(loaded.Status, TConfigLoadStatus::Loaded);
    const TDocument& doc = *loaded.Document;
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(loaded.SkippedTriggers, 0);
    EXPECT_EQ(FormatConfig(doc, Info()), text);
    EXPECT_EQ(doc.CurLayout(), doc.DefaultLayout());
    EXPECT_EQ(doc.Commands().size(), 3u);

    const TAction& all = *doc.Layouts()[1]->Actions[0];
    EXPECT_EQ(all.CurrentIndex, 0);
    EXPECT_EQ(all.Progress, 0);
    EXPECT_EQ(all.Layout, doc.Layouts()[1].get());
    const TCommand* up = doc.Tree().NodeAt(1)->Data();
    EXPECT_EQ(up->Actions, (std::vector<TAction*>{const_cast<TAction*>(&all)}));
}

TEST(ConfigFile, LongCodesAndActionStringsSurviveSaveAndOpen) {
    auto doc = std::make_unique<TDocument>(Standard);
    TCommandNode* remote = doc->AddRemote("R");
    TCommandNode* command = doc->AddCommand(remote, "C");
    std::vector<std::int32_t> values(kCodeCapacity);
    for (int i = 0; i < kCodeCapacity; ++i)
        values[static_cast<std::size_t>(i)] = (i * 37) % 256;
    doc->SetCode(*command->Data(), TCode(values));
    const TCommand& c = *command->Data();
    TAction* item = doc->AddAction(doc->DefaultLayout(), "Long");
    const std::string action = "\xA1SendKeys\xA1 " + std::string(600, 'k');
    item->ActionStrings.push_back(action);

    TempPath file(".tvr");
    ASSERT_TRUE(SaveConfigFile(*doc, file.str(), Info()).Ok);
    const auto loaded = LoadConfigFile(file.str(), Standard);
    ASSERT_EQ(loaded.Status, TConfigLoadStatus::Loaded);
    const TCommand& back = *loaded.Document->Tree().NodeAt(1)->Data();
    EXPECT_EQ(back.LastIndex(), kLastCodeIndex);
    EXPECT_EQ(TCode(back.Code()), TCode(c.Code()));
    EXPECT_EQ(loaded.Document->DefaultLayout()->Actions.at(0)->ActionStrings,
              (std::vector<std::string>{action}));
}

TEST(ConfigFile, ReadsVersion3) {
    const auto loaded = Parse("[Config]\r\nNumComandos=4\r\n"
                              "[Comandos]\r\n1=Old TV\r\n2=Power\r\n4=Mute\r\n"
                              "[1]\r\nLevel=0\r\n"
                              "[2]\r\nLevel=1\r\nActivado=0\r\nTypematic=0\r\nSound=beep\r\n"
                              "Codigo=0a0B\r\nDigits=2\r\n"
                              "[3]\r\nLevel=1\r\nCodigo=123\r\n"
                              "[4]\r\nLevel=1\r\nCodigo=\r\n"
                              "[L0]\r\nActCount=3\r\n");
    ASSERT_EQ(loaded.Status, TConfigLoadStatus::Loaded);
    const TDocument& doc = *loaded.Document;
    EXPECT_EQ(NodeNames(doc),
              (std::vector<std::string>{"Old TV", "  Power", "  Remote 3", "  Mute"}));
    const TCommand& power = *doc.Tree().NodeAt(1)->Data();
    EXPECT_FALSE(power.Recognition);
    EXPECT_FALSE(power.Typematic);
    EXPECT_EQ(power.Sound, "beep");
    EXPECT_EQ(power.LastIndex(), 1);
    EXPECT_EQ(power.Code()[0], 10);
    EXPECT_EQ(power.Code()[1], 11);
    EXPECT_EQ(doc.Tree().NodeAt(2)->Data()->LastIndex(), 0); // "12" of "123" with two digits
    EXPECT_EQ(doc.Tree().NodeAt(3)->Data()->LastIndex(), -1);
    ASSERT_EQ(doc.Layouts().size(), 1u);
    EXPECT_TRUE(doc.DefaultLayout()->Actions.empty());
}

TEST(ConfigFile, ForeignAndNewerFilesAreRefused) {
    for (const std::string& text :
         {std::string(), std::string("[Other]\r\nx=1\r\n"),
          std::string("[File information]\r\nVersion=5\r\nCommands=1\r\n"
                      "[C0]\r\nName=X\r\n"),
          std::string("[File information]\r\nVersion=2\r\n"),
          std::string("[Config]\r\nNumComandos=-1\r\n"), std::string("\x00\xFF[\x1A]\n=\n", 9)}) {
        const auto loaded = Parse(text);
        EXPECT_EQ(loaded.Status, TConfigLoadStatus::NotConfig) << text;
        EXPECT_EQ(loaded.Document, nullptr);
    }
    TempPath none(".tvr");
    EXPECT_EQ(LoadConfigFile(none.str(), Standard).Status, TConfigLoadStatus::Missing);
    EXPECT_EQ(LoadConfigFile("", Standard).Status, TConfigLoadStatus::Missing);
}

TEST(ConfigFile, HandMadeFilesLoadWithinBounds) {
    const auto start = std::chrono::steady_clock::now();
    // Absurd counts, dangling and malformed trigger references, a command before any remote.
    const auto loaded = Parse("[File information]\r\nVersion=4\r\nCommands=2147483647\r\n"
                              "Layouts=2000000000\r\n"
                              "[C0]\r\nName=Lost\r\nLevel=1\r\n"
                              "[C1]\r\nName=Home\r\nLevel=0\r\n"
                              "[C2]\r\nName=Key\r\nLevel=7\r\nDigits=-4\r\nCode=FF\r\n"
                              "[L0]\r\nActCount=999999999\r\n"
                              "[L0A0]\r\nName=I\r\nTrigCount=2147483647\r\nTC0=2\r\nTC1=-1\r\n"
                              "TC2=99\r\nTC3=x\r\nTC4=0\r\nActCount=-8\r\n"
                              "[L1]\r\nActCount=-3\r\n");
    ASSERT_EQ(loaded.Status, TConfigLoadStatus::Loaded);
    const TDocument& doc = *loaded.Document;
    // The first entry gets a remote of its own; the rest keeps the file's order.
    EXPECT_EQ(NodeNames(doc).at(0), "Remote 0");
    EXPECT_EQ(NodeNames(doc).at(1), "  Lost");
    EXPECT_EQ(NodeNames(doc).at(2), "Home");
    EXPECT_EQ(NodeNames(doc).at(3), "  Key");
    EXPECT_EQ(doc.Tree().NodeAt(3)->Data()->LastIndex(), -1);
    // Counts are cut to what the file can hold: one node or layout per section or line at most.
    EXPECT_LT(doc.Tree().Count(), 60);
    EXPECT_LT(doc.Layouts().size(), 60u);
    const TAction& item = *doc.DefaultLayout()->Actions.at(0);
    EXPECT_TRUE(item.ActionStrings.empty());
    // TC0 names the file's third entry "Key"; TC4 the first entry, "Lost".
    ASSERT_EQ(item.TriggerCommands.size(), 2u);
    EXPECT_EQ(item.TriggerCommands[0], doc.Tree().NodeAt(3)->Data());
    EXPECT_EQ(item.TriggerCommands[1], doc.Tree().NodeAt(1)->Data());
    EXPECT_GE(loaded.SkippedTriggers, 3);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
}

TEST(ConfigFile, MissingSectionsGiveDefaults) {
    const auto loaded = Parse("[File information]\r\nVersion=4\r\nCommands=3\r\nLayouts=2\r\n"
                              "[C1]\r\nLevel=1\r\n"
                              "[L0]\r\nName=Mine\r\nActCount=1\r\n"
                              "[L1]\r\nActCount=1\r\n");
    ASSERT_EQ(loaded.Status, TConfigLoadStatus::Loaded);
    const TDocument& doc = *loaded.Document;
    EXPECT_EQ(NodeNames(doc), (std::vector<std::string>{"Remote 0", "  Remote 1", "Remote 2"}));
    EXPECT_EQ(doc.DefaultLayout()->Name, "Standard");
    EXPECT_EQ(doc.DefaultLayout()->Actions.at(0)->Name, "Action 0");
    EXPECT_EQ(doc.Layouts().at(1)->Name, "Layout 1");
}

TEST(ConfigFile, ImportAddsCommandsOnly) {
    TempPath file(".tvr");
    ASSERT_TRUE(SaveConfigFile(*Sample(), file.str(), Info()).Ok);
    TDocument doc(Standard);
    TCommandNode* own = doc.AddRemote("Own");
    doc.AddCommand(own, "Key");
    doc.SetModified(false);

    const auto imported = ImportConfigFile(file.str(), doc);
    EXPECT_EQ(imported.Status, TConfigLoadStatus::Loaded);
    EXPECT_EQ(imported.AddedNodes, 5);
    EXPECT_TRUE(doc.Modified());
    EXPECT_EQ(NodeNames(doc),
              (std::vector<std::string>{"Own", "  Key", "TV", "  Up", "  Down", "VCR", "  Play"}));
    EXPECT_EQ(doc.Layouts().size(), 1u);
    const TCommand& up = *doc.Tree().NodeAt(3)->Data();
    EXPECT_EQ(up.NodeIndex, 3);
    EXPECT_EQ(up.LastIndex(), 2);
    EXPECT_TRUE(up.Actions.empty());
    EXPECT_FALSE(doc.Tree().NodeAt(5)->Data()->Recognition);

    WriteBytes(file.str(), "[File information]\r\nVersion=9\r\n");
    doc.SetModified(false);
    EXPECT_EQ(ImportConfigFile(file.str(), doc).Status, TConfigLoadStatus::NotConfig);
    EXPECT_EQ(doc.Tree().Count(), 7);
    EXPECT_FALSE(doc.Modified());
}

TEST(ConfigFile, SaveKeepsOneBackup) {
    TempPath file(".tvr");
    TempPath backup(".tvr.bak");
    TDocument doc(Standard);
    ASSERT_TRUE(SaveConfigFile(doc, file.str(), Info()).Ok);
    EXPECT_FALSE(FileExists(backup.str()));
    const std::string first = ReadBytes(file.str());
    doc.AddRemote("R");
    ASSERT_TRUE(SaveConfigFile(doc, file.str(), Info()).Ok);
    EXPECT_EQ(ReadBytes(backup.str()), first);
    const std::string second = ReadBytes(file.str());
    EXPECT_NE(second, first);
    EXPECT_FALSE(FileExists(file.str() + ".saving"));
    ASSERT_TRUE(SaveConfigFile(doc, file.str(), Info()).Ok);
    EXPECT_EQ(ReadBytes(backup.str()), second);
}

TEST(ConfigFile, FailedWriteLeavesTheOldFile) {
    TempPath file(".tvr");
    TempPath backup(".tvr.bak");
    WriteBytes(file.str(), "old");
    // A folder where the backup would go stops the save before the file is touched.
    std::filesystem::create_directory(backup.str());
    const auto saved = SaveConfigFile(TDocument(Standard), file.str(), Info());
    std::filesystem::remove(backup.str());
    EXPECT_FALSE(saved.Ok);
    EXPECT_EQ(saved.Error.Path, backup.str());
    EXPECT_EQ(ReadBytes(file.str()), "old");
    EXPECT_FALSE(FileExists(file.str() + ".saving"));

    const auto none = SaveConfigFile(TDocument(Standard), "/nonexistent-tavrilo-dir/x.tvr", Info());
    EXPECT_FALSE(none.Ok);
}

TEST(ConfigFile, TriggerOnARemoteListsItsCommands) {
    const auto loaded = Parse("[File information]\r\nVersion=4\r\nCommands=4\r\nLayouts=1\r\n"
                              "[C0]\r\nName=R\r\n[C1]\r\nName=A\r\nLevel=1\r\n"
                              "[C2]\r\nName=B\r\nLevel=1\r\n[C3]\r\nName=S\r\n"
                              "[L0]\r\nActCount=1\r\n"
                              "[L0A0]\r\nTrigCount=3\r\nTC0=2\r\nTC1=0\r\nTC2=3\r\n");
    ASSERT_EQ(loaded.Status, TConfigLoadStatus::Loaded);
    const TDocument& doc = *loaded.Document;
    TAction* item = doc.DefaultLayout()->Actions.at(0).get();
    TCommand* a = doc.Tree().NodeAt(1)->Data();
    TCommand* b = doc.Tree().NodeAt(2)->Data();
    EXPECT_EQ(item->TriggerCommands, (std::vector<TCommand*>{b, a, b}));
    EXPECT_EQ(b->Actions, (std::vector<TAction*>{item}));
    EXPECT_EQ(a->Actions, (std::vector<TAction*>{item}));
    EXPECT_EQ(loaded.SkippedTriggers, 0); // a remote without commands adds nothing
}
