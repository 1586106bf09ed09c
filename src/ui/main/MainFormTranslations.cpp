// The translation table of the main window. Language files use these keys and texts:
// keep them exactly as they are.

#include "ui/lang/FormTranslations.h"

#include "components/ini/BufferedIniFile.h"
#include "framework/SafeFileReplace.h"
#include "support/help/HelpTexts.h"
#include "ui/main/DocumentFiles.h"

namespace tav {

namespace msg {
constexpr std::string_view InitializationResult = "Initialization result";
constexpr std::string_view CannotOpenSerialPortCOM = "Cannot open serial port COM";
constexpr std::string_view Default = "Default";
constexpr std::string_view NotAConfigurationFile =
    "The selected file is not a Tavrilo configuration file type.";
constexpr std::string_view CannotOpenFile = "Cannot open file";
constexpr std::string_view SaveChanges = "Save changes to the configuration file?";
constexpr std::string_view NewRemote = "New remote";
constexpr std::string_view RemoteName = "Remote name:";
constexpr std::string_view NewCommand = "New command";
constexpr std::string_view CommandName = "Command name:";
constexpr std::string_view Rename = "Rename";
constexpr std::string_view EnterNewName = "Enter new name:";
constexpr std::string_view DeleteRemoteQuestion = "Are you sure you want to delete the remote '";
constexpr std::string_view DeleteRemoteQuestionEnd = "' and all its commands?";
constexpr std::string_view DeleteRemote = "Delete remote";
constexpr std::string_view DeleteCommandQuestion = "Are you sure you want to delete the command '";
constexpr std::string_view DeleteCommand = "Delete command";
constexpr std::string_view NewAction = "New action";
constexpr std::string_view ActionName = "Action name:";
constexpr std::string_view MyAction = "My action";
constexpr std::string_view DeleteActionQuestion = "Are you sure you want to delete the action '";
constexpr std::string_view DeleteAction = "Delete action";
constexpr std::string_view RenameAction = "Rename action";
// The refusal of a name that shows nothing, wherever one is typed.
constexpr std::string_view EmptyName = "A name cannot be empty.";
// Texts of the file operations, kept beside the code that uses them.
constexpr std::string_view FileDoesNotExist = kMissingFileText;
constexpr std::string_view SkippedTriggers = kSkippedTriggersText;
constexpr std::string_view CannotSaveFile = kCannotSaveFileTitle;
constexpr std::string_view CannotReadFile = kCannotReadFileText;
constexpr std::string_view NotAFile = kNotAFileText;
constexpr std::string_view CannotWriteOverReadOnly = kCannotWriteOverReadOnlyText;
constexpr std::string_view ReplaceFile = kReplaceFileText;
constexpr std::string_view CannotCreateFile = kCannotCreateFileText;
constexpr std::string_view CannotWriteFile = kCannotWriteFileText;
constexpr std::string_view CannotRenameFile = kCannotRenameFileText;
constexpr std::string_view CannotWriteOverFolder = kCannotWriteOverFolderText;
} // namespace msg

namespace {

constexpr std::string_view kProperties[] = {
    "MainForm.FileMenu.Caption",         "MainForm.NewMenu.Caption",
    "MainForm.OpenMenu.Caption",         "MainForm.SaveMenu.Caption",
    "MainForm.SaveAsMenu.Caption",       "MainForm.ImportMenu.Caption",
    "MainForm.SettingsMenu.Caption",     "MainForm.ExitMenu.Caption",
    "MainForm.CommandsMenu.Caption",     "MainForm.EnableOriginMenu.Caption",
    "MainForm.TestOriginMenu.Caption",   "MainForm.NewRemoteMenu.Caption",
    "MainForm.NewCommandMenu.Caption",   "MainForm.LearnMenu.Caption",
    "MainForm.PropertiesMenu.Caption",   "MainForm.EnabledMenu.Caption",
    "MainForm.TypematicMenu.Caption",    "MainForm.SoundMenu.Caption",
    "MainForm.NoneMenu.Caption",         "MainForm.CopyToActionMenu.Caption",
    "MainForm.RenameMenu.Caption",       "MainForm.DeleteMenu.Caption",
    "MainForm.ActionsMenu.Caption",      "MainForm.LayoutSetupMenu.Caption",
    "MainForm.HelpMenu.Caption",         "MainForm.IndexMenu.Caption",
    "MainForm.AboutMenu.Caption",        "MainForm.RemoteCommandsGrpBx.Caption",
    "MainForm.ExecuteActionTab.Caption", "MainForm.LayoutLbl.Caption",
    "MainForm.ActionsGrpBx.Caption",     "MainForm.ActionLbl.Caption",
    "MainForm.NewBtn.Caption",           "MainForm.DeleteBtn.Caption",
    "MainForm.RenameBtn.Caption",        "MainForm.TriggerTab.Caption",
    "MainForm.TriggeringRGrp.Caption",   "MainForm.TriggeringRGrp.Items",
    "MainForm.TrigTypeRGrp.Caption",     "MainForm.TrigTypeRGrp.Items",
    "MainForm.ActionListTab.Caption",    "MainForm.NewActionBtn.Caption",
    "MainForm.RemoveBtn.Caption",        "MainForm.PropertiesBtn.Caption",
    "MainForm.AllAtOnceChBtn.Caption",   "MainForm.RunBtn.Caption",
    "MainForm.SettingsBtn.Caption",      "MainForm.HelpBtn.Caption",
    "MainForm.RestoreMenu.Caption",      "MainForm.DeleteTrigger.Caption",
};

constexpr std::string_view kMessages[] = {
    msg::InitializationResult, msg::CannotOpenSerialPortCOM, msg::Default,
    msg::NotAConfigurationFile, msg::CannotOpenFile, msg::SaveChanges, msg::NewRemote,
    msg::RemoteName, msg::NewCommand, msg::CommandName, msg::Rename, msg::EnterNewName,
    msg::DeleteRemoteQuestion, msg::DeleteRemoteQuestionEnd, msg::DeleteRemote,
    msg::DeleteCommandQuestion, msg::DeleteCommand, msg::NewAction, msg::ActionName, msg::MyAction,
    msg::DeleteActionQuestion, msg::DeleteAction, msg::RenameAction, msg::EmptyName,
    msg::FileDoesNotExist, msg::SkippedTriggers, msg::CannotSaveFile, msg::CannotReadFile,
    msg::CannotCreateFile, msg::CannotWriteFile, msg::CannotRenameFile, msg::CannotWriteOverFolder,
    msg::NotAFile, msg::CannotWriteOverReadOnly, msg::ReplaceFile,
    // The help's texts pass through the main window's
    // translation.
    help::text::NotInstalled, help::text::NoKeyHH, help::text::NoHH, help::text::UnknownError,
    help::text::FileNotFound, help::text::PathNotFound, help::text::AccessDenied,
    help::text::InsufficientMemory, help::text::WriteProtected, help::text::DeviceNotReady,
    help::text::FileInUse, help::text::DiskFull, help::text::CorruptFileOrDisk,
    help::text::CorruptRegistry, help::text::WrongWindowsVersion, help::text::NotAProgram,
    help::text::GeneralFailure};

} // namespace

constexpr TFormTranslations MainFormTranslations{"MainForm", ",", kProperties, {}, kMessages};

} // namespace tav
