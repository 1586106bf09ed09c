#pragma once
// The translation tables of the forms. Each form's table lives beside the form; its key and
// texts are the language-file format and stay exactly as they are:
//  - FormKey starts the form's lines in the section "Translations";
//  - Properties are those lines (form key, component name, property name joined by ".");
//  - DirectKeys are read straight from the file's lines by the form's dialog (ReadDirectKey),
//    for texts the translation pass cannot reach;
//  - Messages are the English texts the form looks up with Lang->GetMessageText.

#include "ui/lang/Lang.h"

#include <span>
#include <string_view>

namespace tav {

struct TFormTranslations {
    std::string_view FormKey;
    // Separator of the form's list values; empty for a form without any.
    std::string_view Separator;
    std::span<const std::string_view> Properties;
    std::span<const std::string_view> DirectKeys;
    std::span<const std::string_view> Messages;
};

// Creates the form's translation component "Lang" owned by `form`: it carries the table's
// property paths and separator and translates as soon as a language file is set.
TLanguage* CreateFormLanguage(TComponent* form, const TFormTranslations& table);

extern const TFormTranslations MainFormTranslations;
extern const TFormTranslations SettingsFormTranslations;
extern const TFormTranslations ActionFormTranslations;
extern const TFormTranslations SerialSettingsFormTranslations;
extern const TFormTranslations TCPSettingsFormTranslations;
extern const TFormTranslations InputDlgTranslations;
extern const TFormTranslations LayoutsFormTranslations;
extern const TFormTranslations LayoutPropFormTranslations;
extern const TFormTranslations LearnFormTranslations;
extern const TFormTranslations TestOriginFormTranslations;

// Keys read directly from the language file.
namespace direct {
extern const std::string_view SettingsFormCaption;
extern const std::string_view SettingsFormSoundsColumn0Caption;
extern const std::string_view SettingsFormSoundsColumn1Caption;
extern const std::string_view ActionFormCaption;
extern const std::string_view SerialSettingsFormCaption;
extern const std::string_view TCPSettingsFormCaption;
extern const std::string_view PasswordDlgCaption;
extern const std::string_view PasswordDlgPromptCaption;
extern const std::string_view LayoutsFormCaption;
extern const std::string_view LayoutsFormColumn0Caption;
extern const std::string_view LayoutsFormColumn1Caption;
extern const std::string_view LayoutsFormColumn2Caption;
extern const std::string_view LayoutPropFormCaption;
extern const std::string_view LearnFormCaption;
extern const std::string_view TestOriginFormCaption;
} // namespace direct

// Message texts; a message built from pieces around a name is looked up piece by piece.
namespace msg {
// Main window.
extern const std::string_view InitializationResult;
extern const std::string_view CannotOpenSerialPortCOM;
extern const std::string_view Default;
extern const std::string_view NotAConfigurationFile;
extern const std::string_view CannotOpenFile;
extern const std::string_view SaveChanges;
extern const std::string_view NewRemote;
extern const std::string_view RemoteName;
extern const std::string_view NewCommand;
extern const std::string_view CommandName;
extern const std::string_view Rename;
extern const std::string_view EnterNewName;
extern const std::string_view DeleteRemoteQuestion;
extern const std::string_view DeleteRemoteQuestionEnd;
extern const std::string_view DeleteRemote;
extern const std::string_view DeleteCommandQuestion;
extern const std::string_view DeleteCommand;
extern const std::string_view NewAction;
extern const std::string_view ActionName;
extern const std::string_view MyAction;
extern const std::string_view DeleteActionQuestion;
extern const std::string_view DeleteAction;
extern const std::string_view RenameAction;
extern const std::string_view EmptyName;
extern const std::string_view FileDoesNotExist;
extern const std::string_view SkippedTriggers;
extern const std::string_view CannotSaveFile;
extern const std::string_view CannotReadFile;
extern const std::string_view CannotCreateFile;
extern const std::string_view CannotWriteFile;
extern const std::string_view CannotRenameFile;
extern const std::string_view CannotWriteOverFolder;
// Settings dialog.
extern const std::string_view ApplyDefaultSettingsFor;
extern const std::string_view DeleteSoundQuestion;
extern const std::string_view Confirmation;
extern const std::string_view SoundNeedsName;
// TCP/IP dialog.
extern const std::string_view AddressPartRange;
// Layouts dialog.
extern const std::string_view DeleteLayoutQuestion;
extern const std::string_view DeleteLayoutQuestionEnd;
extern const std::string_view DeleteLayout;
// Action editor.
extern const std::string_view UserMessagesCut;
} // namespace msg

} // namespace tav
