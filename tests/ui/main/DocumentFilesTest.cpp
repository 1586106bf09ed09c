#include "ui/main/DocumentFiles.h"

#include "components/TempPath.h"
#include "engine/settings/FakeSettingsStore.h"
#include "ui/lang/FormTranslations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

using namespace tav;
using tav::test::TempPath;

namespace {

struct ScriptedView : IDocumentFilesView {
    std::string panel;
    std::deque<std::optional<std::string>> openAnswers, saveAnswers;
    std::deque<TSaveChangesAnswer> saveChangesAnswers;
    std::deque<bool> confirmAnswers;
    std::vector<std::string> questions;
    std::vector<std::pair<std::string, std::string>> errors;
    std::vector<std::string> notices;
    int originsClosed = 0, reloads = 0, saveChangesAsked = 0;

    std::string FileNamePanel() const override { return panel; }
    void SetFileNamePanel(const std::string& name) override { panel = name; }
    std::optional<std::string> AskOpenFileName() override { return Next(openAnswers); }
    std::optional<std::string> AskSaveFileName() override { return Next(saveAnswers); }
    TSaveChangesAnswer AskSaveChanges() override {
        ++saveChangesAsked;
        EXPECT_FALSE(saveChangesAnswers.empty()) << "unexpected question";
        if (saveChangesAnswers.empty())
            return TSaveChangesAnswer::Cancel;
        auto a = saveChangesAnswers.front();
        saveChangesAnswers.pop_front();
        return a;
    }
    bool Confirm(const std::string& text) override {
        questions.push_back(text);
        EXPECT_FALSE(confirmAnswers.empty()) << "unexpected question " << text;
        if (confirmAnswers.empty())
            return false;
        const bool a = confirmAnswers.front();
        confirmAnswers.pop_front();
        return a;
    }
    void ShowFileError(const std::string& text, const std::string& title) override {
        errors.emplace_back(text, title);
    }
    void ShowFileNotice(const std::string& text) override { notices.push_back(text); }
    std::string SaveDateText() override { return "09.12.2026 05:00:00"; }
    // Marks what was translated; every such text must be a message key of the main window.
    std::string Translate(const std::string& english) override {
        const auto& keys = MainFormTranslations.Messages;
        EXPECT_NE(std::find(keys.begin(), keys.end(), english), keys.end()) << english;
        return "<" + english + ">";
    }
    void CloseOrigins() override { ++originsClosed; }
    void DocumentReloaded() override { ++reloads; }
    void ModifiedChanged() override {}
    void SetBusy(bool) override {}

    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& answers) {
        EXPECT_FALSE(answers.empty()) << "unexpected file dialog";
        if (answers.empty())
            return std::nullopt;
        auto a = answers.front();
        answers.pop_front();
        return a;
    }
};

struct DocumentFilesTest : ::testing::Test {
    test::FakeSettingsStore store;
    TSettings settings{store};
    TDocument document{[] { return std::string("Default"); }};
    ScriptedView view;
    TDocumentFiles files{document, settings, view};

    void AddRemoteWithCommand(const std::string& remote, const std::string& command) {
        TCommandNode* r = document.AddRemote(remote);
        document.AddCommand(r, command);
    }
    std::string Names() const {
        std::string out;
        for (TCommandNode* n : document.Tree().Nodes())
            out += n->Text + ";";
        return out;
    }
};

TEST_F(DocumentFilesTest, SaveAsThenOpenReplacesTheDocumentAndRemembersTheFile) {
    TempPath path(".tvr");
    AddRemoteWithCommand("TV", "Vol+");
    view.saveAnswers.push_back(path.str());
    ASSERT_TRUE(files.SaveAs());
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(view.panel, path.str());
    EXPECT_EQ(settings.Str("LastTVRFile"), path.str());

    int resets = 0;
    document.AddRunStateListener(
        [&](TRunStateChange why) { resets += why == TRunStateChange::Reset; });
    document.DeleteNode(document.Tree().Remotes().front().get());
    view.saveChangesAnswers.push_back(TSaveChangesAnswer::No);
    view.openAnswers.push_back(path.str());
    files.Open();
    EXPECT_EQ(Names(), "TV;Vol+;");
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(view.originsClosed, 1);
    EXPECT_TRUE(view.errors.empty());
}

TEST_F(DocumentFilesTest, AForeignOrMissingFileChangesNothing) {
    TempPath foreign(".tvr");
    test::WriteBytes(foreign.str(), "[Something]\r\nElse=1\r\n");
    AddRemoteWithCommand("TV", "Mute");
    document.SetModified(false);
    view.panel = "current.tvr";
    settings.SetStr("LastTVRFile", "current.tvr");

    view.openAnswers.push_back(foreign.str());
    files.Open();
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].first,
              "<The selected file is not a Tavrilo configuration file type.>");
    EXPECT_EQ(view.errors[0].second, "<Cannot open file>");

    view.openAnswers.push_back(foreign.str() + ".absent");
    files.Open();
    ASSERT_EQ(view.errors.size(), 2u);
    EXPECT_EQ(view.errors[1].first, foreign.str() + ".absent\r\n<The file does not exist.>");

    EXPECT_EQ(Names(), "TV;Mute;");
    EXPECT_EQ(view.panel, "current.tvr");
    EXPECT_EQ(settings.Str("LastTVRFile"), "current.tvr");
    EXPECT_EQ(view.reloads, 0);
}

TEST_F(DocumentFilesTest, StartUpLoadOfAMissingFileKeepsItsNameForTheNextStartOnly) {
    settings.SetStr("LastTVRFile", "gone.tvr");
    view.panel = "gone.tvr";
    files.LoadNamedFile();
    EXPECT_EQ(view.panel, "") << "no save may go there meanwhile";
    EXPECT_EQ(settings.Str("LastTVRFile"), "gone.tvr");
    EXPECT_TRUE(view.errors.empty());
}

// A remembered name may be anything the registry holds; nothing of it may hold up the start.
TEST_F(DocumentFilesTest, StartUpLoadRefusesAFolderAndForgetsANameNoSystemTakes) {
    TempPath folder(".tvr");
    std::filesystem::create_directory(folder.str());
    view.panel = folder.str();
    files.LoadNamedFile();
    std::filesystem::remove(folder.str());
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].first, "<Not a file> \"" + folder.str() + "\"");
    EXPECT_EQ(view.panel, "");

    view.panel = "C:\\" + std::string(64 << 10, 'x') + ".tvr";
    files.LoadNamedFile();
    EXPECT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.panel, "");
}

// The empty document left after a failed start-up load must not be saved over that file.
TEST_F(DocumentFilesTest, StartUpLoadOfAForeignFileLeavesNoFileName) {
    TempPath foreign(".tvr");
    const std::string bytes = "[Something]\r\nElse=1\r\n";
    test::WriteBytes(foreign.str(), bytes);
    settings.SetStr("LastTVRFile", foreign.str());
    view.panel = foreign.str();
    files.LoadNamedFile();
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.panel, "");
    EXPECT_EQ(settings.Str("LastTVRFile"), foreign.str()); // tried again at the next start

    AddRemoteWithCommand("TV", "Power");
    view.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(files.Save());
    EXPECT_EQ(test::ReadBytes(foreign.str()), bytes);
}

TEST_F(DocumentFilesTest, SaveAsAsksBeforeReplacingAFileAndNeverWritesOverAReadOnlyOne) {
    TempPath taken(".tvr"), other(".other.tvr");
    test::WriteBytes(taken.str(), "mine");
    AddRemoteWithCommand("TV", "Power");

    // No goes back to the dialog, as Windows does.
    view.saveAnswers = {taken.str(), other.str()};
    view.confirmAnswers = {false};
    EXPECT_TRUE(files.SaveAs());
    EXPECT_EQ(view.questions,
              std::vector<std::string>{
                  taken.str() + "\r\n<This file already exists. Do you want to replace it?>"});
    EXPECT_EQ(view.panel, other.str());
    EXPECT_EQ(test::ReadBytes(taken.str()), "mine");

    // A read-only file stays as it was, and no backup takes its place.
    namespace fs = std::filesystem;
    fs::permissions(taken.str(),
                    fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    document.SetModified(true);
    view.saveAnswers = {taken.str()};
    view.confirmAnswers = {true};
    EXPECT_FALSE(files.SaveAs());
    fs::permissions(taken.str(), fs::perms::owner_write, fs::perm_options::add);
    EXPECT_EQ(test::ReadBytes(taken.str()), "mine");
    EXPECT_FALSE(fs::exists(taken.str() + ".bak"));
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].first, "<Cannot write over a read-only file> \"" + taken.str() + "\"");
    EXPECT_TRUE(document.Modified());

    // Once the user agrees, the file gives way and becomes the backup.
    view.saveAnswers = {taken.str()};
    view.confirmAnswers = {true};
    EXPECT_TRUE(files.SaveAs());
    EXPECT_EQ(test::ReadBytes(taken.str() + ".bak"), "mine");
    fs::remove(taken.str() + ".bak");
}

TEST_F(DocumentFilesTest, CloseQueryRefusesUnlessTheDocumentWasSavedOrGivenUp) {
    AddRemoteWithCommand("TV", "Power");

    view.saveChangesAnswers.push_back(TSaveChangesAnswer::Cancel);
    EXPECT_FALSE(files.CloseQuery());

    // Yes with no file name, and the save dialog cancelled: nothing saved, no close.
    view.saveChangesAnswers.push_back(TSaveChangesAnswer::Yes);
    view.saveAnswers.push_back(std::nullopt);
    EXPECT_FALSE(files.CloseQuery());

    // Yes, and the write fails: the error is shown, the document stays modified. The program's
    // words are translated, the file's name is not.
    view.panel = (std::filesystem::temp_directory_path() / "no-such-dir" / "x.tvr").string();
    view.saveChangesAnswers.push_back(TSaveChangesAnswer::Yes);
    EXPECT_FALSE(files.CloseQuery());
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0].first.rfind("<Cannot create file> \"" + view.panel + ".saving\": ", 0),
              0u)
        << view.errors[0].first;
    EXPECT_EQ(view.errors[0].second, "<Cannot save file>");
    EXPECT_TRUE(document.Modified());

    view.saveChangesAnswers.push_back(TSaveChangesAnswer::No);
    EXPECT_TRUE(files.CloseQuery());
    EXPECT_EQ(view.originsClosed, 4); // whatever the answer

    document.SetModified(false);
    EXPECT_TRUE(files.CloseQuery());
    EXPECT_EQ(view.saveChangesAsked, 4);
}

TEST_F(DocumentFilesTest, TheSaveQueryAloneLeavesTheOriginsRunning) {
    AddRemoteWithCommand("TV", "Power");
    view.saveChangesAnswers = {TSaveChangesAnswer::Cancel, TSaveChangesAnswer::No};
    EXPECT_FALSE(files.SaveQuery());
    EXPECT_TRUE(files.SaveQuery());
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(view.originsClosed, 0);
}

TEST_F(DocumentFilesTest, NewAndImportRespectARefusedCloseQuery) {
    AddRemoteWithCommand("TV", "Power");
    view.saveChangesAnswers.push_back(TSaveChangesAnswer::Cancel);
    files.New();
    EXPECT_EQ(Names(), "TV;Power;");

    view.saveChangesAnswers.push_back(TSaveChangesAnswer::No);
    files.New();
    EXPECT_EQ(Names(), "");
}

TEST_F(DocumentFilesTest, TriggersNamingNoCommandAreCountedInTheNotice) {
    TempPath file(".tvr");
    test::WriteBytes(file.str(), "[File information]\r\nVersion=4\r\nCommands=1\r\nLayouts=1\r\n"
                                 "[C0]\r\nName=R\r\n[L0]\r\nActCount=1\r\n"
                                 "[L0A0]\r\nTrigCount=2\r\nTC0=7\r\nTC1=-1\r\n");
    view.openAnswers.push_back(file.str());
    files.Open();
    EXPECT_EQ(view.notices,
              std::vector<std::string>{
                  "2 <trigger entries named no command of the file and were left out.>"});
}

TEST_F(DocumentFilesTest, ImportAddsCommandsAndKeepsTheFileName) {
    TempPath other(".tvr");
    AddRemoteWithCommand("Radio", "Tune");
    view.saveAnswers.push_back(other.str());
    ASSERT_TRUE(files.SaveAs());

    document.Reset();
    AddRemoteWithCommand("TV", "Power");
    document.SetModified(false);
    view.panel = "mine.tvr";
    view.openAnswers.push_back(other.str());
    files.Import();
    EXPECT_EQ(Names(), "TV;Power;Radio;Tune;");
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(view.panel, "mine.tvr");
}

} // namespace
