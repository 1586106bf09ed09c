#pragma once
// The translation component. Every form with texts owns one, named "Lang". It sets published
// properties of the form's components (captions, item lists) from the section "Translations"
// of a language file, and looks up message texts in its section "Messages", where the English
// text is both the key and the fallback.

#include "framework/Component.h"
#include "ui/lang/ProfileFile.h"

#include <functional>
#include <string>
#include <string_view>

namespace tav {

// Fired before each property is set: Sender is the translation component, AComponent the
// component about to change, PropertyName the property, OldValue its current text (string
// properties only, empty otherwise); the handler may change NewValue.
using TLanguageNotifyEvent =
    std::function<void(TComponent* sender, TComponent* aComponent, const std::string& propertyName,
                       const std::string& oldValue, std::string& newValue)>;

class TLanguage : public TComponent {
public:
    using TNotifyEvent = std::function<void(TComponent* sender)>;

    explicit TLanguage(TComponent* owner, std::string name = "Lang");

    // The target of a property path without "." (the program's application object). None by
    // default: such paths then set nothing.
    static void SetApplicationObject(TComponent* application);
    static TComponent* ApplicationObject();
    // How every translation component opens its language file. The portable reader by default;
    // the program installs the platform's reader.
    static void SetProfileOpener(TProfileOpener opener);

    const std::string& LanguageFile() const { return languageFile_; }
    // A path that differs (letter case counts) is stored and, with AutoTranslate set and the
    // component not loading, translated at once. Writing the same path again does nothing.
    void SetLanguageFile(const std::string& value);

    // The translatable property paths of the owning form, one a line: a form key, the
    // component's name and the property's name joined by ".". Blank lines are skipped.
    const StringList& Properties() const { return properties_; }
    StringList& Properties() { return properties_; }
    void SetProperties(const StringList& value) { properties_ = value; }

    // Separator of the items in a list value. Empty (the initial value) never splits; setting
    // a value that is blank after trimming stores ",", any other value is kept with its blanks.
    const std::string& Separator() const { return separator_; }
    void SetSeparator(const std::string& value);

    bool AutoTranslate() const { return autoTranslate_; }
    void SetAutoTranslate(bool value) { autoTranslate_ = value; }

    TNotifyEvent OnBeforeTranslation;
    TNotifyEvent OnAfterTranslation;
    TLanguageNotifyEvent OnTranslate;

    // One translation pass over Properties.
    void Translate();
    // The translation of `msg` from the section "Messages", read anew from the file at every
    // call; `msg` itself when there is no language file or no (or an empty) translation.
    std::string GetMessageText(std::string_view msg) const;

    // Sets the property named by `path` to `value` ("~" becomes a TAB). Every segment but the
    // last is looked up among the direct components of the owning form, so the component named
    // by the next-to-last segment is the target and the first segment (the form key) selects
    // nothing by itself. A path without "." targets the application object. Nothing happens
    // when there is no target or `value` is empty.
    void ApplyTranslation(std::string path, std::string value);

    // Cuts the text up to the first "." off `path` into `head`, both trimmed; without "." the
    // whole path becomes the head and the path becomes empty.
    static void SplitPathHead(std::string& path, std::string& head);
    static bool IsLastSegment(std::string_view path);
    // The first of `owner`'s components named `name` (letter case ignored), or none.
    static TComponent* FindOwnedComponent(const TComponent* owner, std::string_view name);

    // Sets the published property `propName` of `instance` by its kind. A value that is not an
    // integer for an integer property is ignored.
    void SetPropertyValue(TComponent* instance, std::string_view propName,
                          const std::string& value);
    // The text of a string property; empty for other kinds and absent properties.
    static std::string GetPropertyValue(const TComponent* instance, std::string_view propName);
    static bool IsStringProperty(const TComponent* instance, std::string_view propName);
    static bool IsIntegerProperty(const TComponent* instance, std::string_view propName);
    // Splits `value` at Separator into items (each trimmed; a trailing empty item is dropped)
    // and assigns them to the list property of `instance` only when their number equals its
    // current number of items: stored settings and action strings refer to items by index, so
    // a list of another length is refused. The selection (an integer property "ItemIndex",
    // where the control has one) is put back after the assignment, which may have cleared it.
    void SetListProperty(TComponent* instance, const PublishedProperty& property,
                         const std::string& value);

private:
    std::string languageFile_;
    StringList properties_;
    std::string separator_;
    bool autoTranslate_ = false;
};

} // namespace tav
