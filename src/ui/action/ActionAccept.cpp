#include "ui/action/ActionAccept.h"

#include <utility>

namespace tav {

namespace {

TAcceptCheck Refuse(TEditorValue missing) {
    return {TAcceptAnswer::Refuse, missing};
}

// The checks of the editor's table: a text the chosen option cannot do without, and the volume
// page with no line to act on.
std::optional<TAcceptCheck> MissingValue(const TActionEditorValues& v, const TEditorLists& lists) {
    switch (v.Type) {
    case TActionType::SendData:
        if (v.Data == SendDataSource::File)
            return v.DataFile.empty() ? Refuse(TEditorValue::DataFile)
                                      : std::optional<TAcceptCheck>();
        return v.Stream.empty() ? Refuse(TEditorValue::Stream) : std::optional<TAcceptCheck>();
    case TActionType::Miscellaneous:
        if (v.Misc == TMiscOption::Osd && v.OsdText.empty())
            return Refuse(TEditorValue::OsdText);
        return std::nullopt;
    case TActionType::Volume: {
        // No device, or a device without lines: the line list is empty whatever is chosen.
        const bool device = v.Mixer >= 0 && static_cast<std::size_t>(v.Mixer) < lists.Mixers.size();
        if (device ? DestinationsOf(lists.Mixers, v.Mixer).empty() : lists.Mixers.empty())
            return TAcceptCheck{TAcceptAnswer::Cancel, TEditorValue::None};
        return std::nullopt;
    }
    case TActionType::PostMessage:
        if (v.WindowsMessage && v.WindowsMessageName.empty())
            return Refuse(TEditorValue::WindowsMessage);
        if (!v.WindowsMessage && v.UserMessageName.empty())
            return Refuse(TEditorValue::UserMessage);
        return std::nullopt;
    case TActionType::ExecuteProgram:
        return v.FileName.empty() ? Refuse(TEditorValue::FileName) : std::optional<TAcceptCheck>();
    case TActionType::MouseMove:
    case TActionType::TapKey:
        // The particular keys may be empty.
        return std::nullopt;
    }
    return std::nullopt;
}

// A list with nothing chosen, or a number its list or range does not hold.
std::optional<TEditorValue> OutOfBounds(const TActionEditorValues& v, const TEditorLists& lists) {
    for (const TBoundedValue& b : BoundedValues(v, lists))
        if (!b.Shows(v))
            return b.Value;
    return std::nullopt;
}

using TFieldRef = std::variant<const TextField*, const NumberField*, const FlagField*,
                               const ActionField<ShiftOrWindows>*>;
using TFields = std::vector<std::pair<TEditorValue, TFieldRef>>;

bool SameField(const TFieldRef& a, const TFieldRef& b) {
    return a.index() == b.index() &&
           std::visit([&b](const auto* field) { return *field == *std::get<decltype(field)>(b); },
                      a);
}

// Every field of an action in the string's order, with the value it stands for.
struct FieldsOf {
    const TActionEditorValues& v;
    const NumberField& delay;
    TFields& out;

    void operator()(const SendKeysFields& f) const {
        const TEditorValue key =
            v.SystemKey ? TEditorValue::SystemKey : TEditorValue::ParticularKeys;
        out = {{TEditorValue::Modifiers, &f.alt},
               {TEditorValue::Modifiers, &f.ctrl},
               {TEditorValue::Modifiers, &f.shiftOrWindows},
               {key, &f.systemKey},
               {key, &f.key},
               {TEditorValue::Delay, &delay},
               {TEditorValue::DestinationWindow, &f.destination},
               {TEditorValue::KeepActive, &f.keepActive}};
    }
    void operator()(const MouseControlFields& f) const {
        std::visit(*this, f.move);
        out.emplace_back(TEditorValue::Delay, &delay);
    }
    void operator()(std::monostate) const {}
    void operator()(const MouseUnknownMove&) const {}
    void operator()(const MouseClick& m) const {
        out = {{TEditorValue::Click, &m.button}, {TEditorValue::DoubleClick, &m.doubleClick}};
    }
    void operator()(const MouseRelativeMove& m) const {
        out = {{TEditorValue::RelativeMove, &m.direction},
               {TEditorValue::Acceleration, &m.acceleration}};
    }
    void operator()(const MouseAbsoluteMove& m) const {
        out = {{TEditorValue::AbsoluteMove, &m.x}, {TEditorValue::AbsoluteMove, &m.y}};
    }
    void operator()(const ExecuteProgramFields& f) const {
        out = {{TEditorValue::TryWindow, &f.tryWindow},
               {TEditorValue::FileName, &f.fileName},
               {TEditorValue::Params, &f.params},
               {TEditorValue::Suspend, &f.suspend},
               {TEditorValue::Delay, &delay}};
    }
    void operator()(const PostMessageFields& f) const {
        out = {{v.WindowsMessage ? TEditorValue::WindowsMessage : TEditorValue::UserMessage,
                &f.message},
               {TEditorValue::WParam, &f.wParam},
               {TEditorValue::LParam, &f.lParam},
               {TEditorValue::Delay, &delay},
               {TEditorValue::DestinationWindow, &f.destination},
               {TEditorValue::KeepActive, &f.keepActive}};
    }
    void operator()(const MixerFields& f) const {
        out = {{TEditorValue::Mixer, &f.mixer},         {TEditorValue::Destination, &f.destination},
               {TEditorValue::Line, &f.line},           {TEditorValue::Volume, &f.operation},
               {TEditorValue::Increment, &f.increment}, {TEditorValue::Delay, &delay}};
    }
    void operator()(const ShutdownFields& f) const {
        out = {{TEditorValue::Shutdown, &f.code}, {TEditorValue::Delay, &delay}};
    }
    void operator()(const WindowStateFields& f) const {
        out = {{TEditorValue::WindowState, &f.code}, {TEditorValue::Delay, &delay}};
    }
    void operator()(const OsdFields& f) const {
        out = {{TEditorValue::OsdText, &f.text}, {TEditorValue::Delay, &delay}};
    }
    void operator()(const SendDataFields& f) const {
        out = {{f.source == SendDataSource::File ? TEditorValue::DataFile : TEditorValue::Stream,
                &f.data},
               {TEditorValue::Delay, &delay}};
    }
};

TFields Fields(const TActionEditorValues& v, const ActionFields& action) {
    TFields fields;
    std::visit(FieldsOf{v, action.delay, fields}, action.fields);
    return fields;
}

// The exact check: the string is composed and read back, and the first field that does not come
// back as it was written names the value. A text that holds a later key of its kind ends early
// (the format has no escape), and a number the format cannot hold reads otherwise.
std::optional<TEditorValue> ChangedField(const TActionEditorValues& v) {
    const ActionFields written = EditorActionFields(v);
    const std::optional<ActionFields> read = ParseAction(ComposeAction(written));
    if (read && *read == written)
        return std::nullopt;
    const TFields before = Fields(v, written);
    const TFields after = read ? Fields(v, *read) : TFields();
    for (std::size_t i = 0; i < before.size(); ++i)
        if (i >= after.size() || after[i].first != before[i].first ||
            !SameField(after[i].second, before[i].second))
            return before[i].first;
    return before.front().first;
}

} // namespace

TAcceptCheck CheckAccept(const TActionEditorValues& values, const TEditorLists& lists) {
    if (const auto missing = MissingValue(values, lists))
        return *missing;
    if (const auto bounded = OutOfBounds(values, lists))
        return Refuse(*bounded);
    if (const auto changed = ChangedField(values))
        return Refuse(*changed);
    return {};
}

} // namespace tav
