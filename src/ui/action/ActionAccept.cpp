#include "ui/action/ActionAccept.h"

#include <utility>

namespace tav {

namespace {

TAcceptCheck Refuse(TEditorValue missing) {
    return {TAcceptAnswer::Refuse, missing};
}

// What the chosen type cannot do without: the checks of the editor's table, then a list choice
// that the string stores as a number.
std::optional<TAcceptCheck> MissingValue(const TActionEditorValues& v, int mixerLines) {
    switch (v.Type) {
    case TActionType::SendData:
        if (v.Data == SendDataSource::File)
            return v.DataFile.empty() ? Refuse(TEditorValue::DataFile)
                                      : std::optional<TAcceptCheck>();
        return v.Stream.empty() ? Refuse(TEditorValue::Stream) : std::optional<TAcceptCheck>();
    case TActionType::Miscellaneous:
        if (v.Misc == TMiscOption::Osd && v.OsdText.empty())
            return Refuse(TEditorValue::OsdText);
        if (v.Misc == TMiscOption::Shutdown && v.ShutdownCode < 0)
            return Refuse(TEditorValue::Shutdown);
        if (v.Misc == TMiscOption::WindowState && v.WindowStateCode < 0)
            return Refuse(TEditorValue::WindowState);
        return std::nullopt;
    case TActionType::Volume:
        if (mixerLines <= 0)
            return TAcceptCheck{TAcceptAnswer::Cancel, TEditorValue::None};
        if (!v.Mute && v.VolumeStep < 0)
            return Refuse(TEditorValue::Volume);
        return std::nullopt;
    case TActionType::PostMessage:
        if (v.WindowsMessage && v.WindowsMessageName.empty())
            return Refuse(TEditorValue::WindowsMessage);
        if (!v.WindowsMessage && v.UserMessageName.empty())
            return Refuse(TEditorValue::UserMessage);
        return std::nullopt;
    case TActionType::ExecuteProgram:
        return v.FileName.empty() ? Refuse(TEditorValue::FileName) : std::optional<TAcceptCheck>();
    case TActionType::MouseMove:
        if (v.Mouse == TMouseOption::Click && v.ClickType < 0)
            return Refuse(TEditorValue::Click);
        if (v.Mouse == TMouseOption::RelativeMove && v.Direction < 0)
            return Refuse(TEditorValue::RelativeMove);
        return std::nullopt;
    case TActionType::TapKey:
        // The particular keys may be empty.
        if (v.SystemKey && v.SystemKeyIndex < 0)
            return Refuse(TEditorValue::SystemKey);
        return std::nullopt;
    }
    return std::nullopt;
}

using TTexts = std::vector<std::pair<TEditorValue, const TextField*>>;

// The texts of an action that the user typed or chose, with the value each stands for.
struct TextsOf {
    TTexts& out;
    void operator()(const SendKeysFields& f) const {
        out = {{TEditorValue::ParticularKeys, &f.key},
               {TEditorValue::DestinationWindow, &f.destination}};
    }
    void operator()(const ExecuteProgramFields& f) const {
        out = {{TEditorValue::TryWindow, &f.tryWindow},
               {TEditorValue::FileName, &f.fileName},
               {TEditorValue::Params, &f.params}};
    }
    void operator()(const PostMessageFields& f) const {
        out = {{TEditorValue::UserMessage, &f.message},
               {TEditorValue::WParam, &f.wParam},
               {TEditorValue::LParam, &f.lParam},
               {TEditorValue::DestinationWindow, &f.destination}};
    }
    void operator()(const OsdFields& f) const { out = {{TEditorValue::OsdText, &f.text}}; }
    void operator()(const SendDataFields& f) const {
        out = {{f.source == SendDataSource::File ? TEditorValue::DataFile : TEditorValue::Stream,
                &f.data}};
    }
    void operator()(const auto&) const {}
};

TTexts Texts(const ActionFields& action) {
    TTexts texts;
    std::visit(TextsOf{texts}, action.fields);
    return texts;
}

// The first text that does not come back as it was written: it held a key that ends it early.
std::optional<TEditorValue> CutText(const TActionEditorValues& v) {
    const ActionFields written = EditorActionFields(v);
    const std::optional<ActionFields> read = ParseAction(ComposeAction(written));
    if (read && *read == written)
        return std::nullopt;
    const TTexts before = Texts(written);
    const TTexts after = read && read->Kind() == written.Kind() ? Texts(*read) : TTexts();
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (i < after.size() && *after[i].second == *before[i].second)
            continue;
        if (before[i].first == TEditorValue::UserMessage && v.WindowsMessage)
            return TEditorValue::WindowsMessage;
        return before[i].first;
    }
    return std::nullopt;
}

} // namespace

TAcceptCheck CheckAccept(const TActionEditorValues& values, int mixerLines) {
    if (const auto missing = MissingValue(values, mixerLines))
        return *missing;
    if (const auto cut = CutText(values))
        return Refuse(*cut);
    return {};
}

} // namespace tav
