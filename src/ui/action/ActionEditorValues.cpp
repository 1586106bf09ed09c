#include "ui/action/ActionEditorValues.h"

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace tav {

namespace {

// The items of the fixed lists.
constexpr std::size_t kClickTypes = static_cast<std::size_t>(ClickType::RightUp) + 1;
constexpr std::size_t kDirections = static_cast<std::size_t>(MoveDirection::DownRight) + 1;
constexpr std::size_t kVolumeSteps = static_cast<std::size_t>(VolumeOperation::Down) + 1;
constexpr std::size_t kShutdownKinds = static_cast<std::size_t>(ShutdownCode::Hibernate) + 1;
constexpr std::size_t kWindowStates = static_cast<std::size_t>(WindowStateCode::Close) + 1;

using TKindFields = decltype(ActionFields::fields);

TKindFields KindFields(const TActionEditorValues& v) {
    switch (v.Type) {
    case TActionType::TapKey: {
        std::variant<std::int32_t, std::string> key = v.Keys;
        if (v.SystemKey)
            key = v.SystemKeyIndex;
        return MakeSendKeys(v.Modifiers, key, v.DestinationWindow, v.KeepActive);
    }
    case TActionType::MouseMove:
        switch (v.Mouse) {
        case TMouseOption::Click:
            return MouseControlFields{
                MouseClick{NumberValue(v.ClickType), YesNoValue(v.DoubleClick)}};
        case TMouseOption::RelativeMove:
            return MouseControlFields{
                MouseRelativeMove{NumberValue(v.Direction), NumberValue(v.Acceleration)}};
        case TMouseOption::AbsoluteMove:
            return MouseControlFields{MouseAbsoluteMove{NumberValue(v.X), NumberValue(v.Y)}};
        }
        break;
    case TActionType::ExecuteProgram:
        return ExecuteProgramFields{TextValue(v.TryFirst ? v.TryWindow : std::string()),
                                    TextValue(v.FileName), TextValue(v.Params),
                                    YesNoValue(v.Suspend)};
    case TActionType::PostMessage:
        return PostMessageFields{
            TextValue(v.WindowsMessage ? v.WindowsMessageName : v.UserMessageName),
            TextValue(v.WParam), TextValue(v.LParam), TextValue(v.DestinationWindow),
            YesNoValue(v.KeepActive)};
    case TActionType::Volume:
        return MixerFields{
            NumberValue(v.Mixer), NumberValue(v.Destination), NumberValue(v.Line),
            NumberValue(v.Mute ? static_cast<int>(VolumeOperation::ToggleMute) : v.VolumeStep),
            NumberValue(v.Increment)};
    case TActionType::Miscellaneous:
        switch (v.Misc) {
        case TMiscOption::Shutdown:
            return ShutdownFields{NumberValue(v.ShutdownCode)};
        case TMiscOption::WindowState:
            return WindowStateFields{NumberValue(v.WindowStateCode)};
        case TMiscOption::Osd:
            return OsdFields{TextValue(v.OsdText)};
        }
        break;
    case TActionType::SendData:
        return SendDataFields{v.Data,
                              TextValue(v.Data == SendDataSource::File ? v.DataFile : v.Stream)};
    }
    throw std::logic_error("The action editor has no such type");
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : ", ") + name;
    return joined;
}

// Each reader sets what its kind names; a well-formed string has every value it reads.
struct Loader {
    TActionEditorValues& v;
    const std::vector<std::string>& windowsMessages;

    void operator()(const SendKeysFields& f) const {
        v.Type = TActionType::TapKey;
        v.Modifiers = {*f.alt.value, *f.ctrl.value,
                       *f.shiftOrWindows.value == ShiftOrWindows::Shift,
                       *f.shiftOrWindows.value == ShiftOrWindows::Windows};
        v.SystemKey = *f.systemKey.value;
        if (v.SystemKey)
            v.SystemKeyIndex = *f.SystemKeyIndex();
        else
            v.Keys = f.key.text;
        Window(f.destination, f.keepActive);
    }
    void operator()(const MouseControlFields& f) const {
        v.Type = TActionType::MouseMove;
        std::visit(*this, f.move);
    }
    // A mouse action of no variant keeps the option shown.
    void operator()(std::monostate) const {}
    void operator()(const MouseUnknownMove&) const {}
    void operator()(const MouseClick& m) const {
        v.Mouse = TMouseOption::Click;
        v.ClickType = *m.button.value;
        v.DoubleClick = *m.doubleClick.value;
    }
    void operator()(const MouseRelativeMove& m) const {
        v.Mouse = TMouseOption::RelativeMove;
        v.Direction = *m.direction.value;
        v.Acceleration = *m.acceleration.value;
    }
    void operator()(const MouseAbsoluteMove& m) const {
        v.Mouse = TMouseOption::AbsoluteMove;
        v.X = *m.x.value;
        v.Y = *m.y.value;
    }
    void operator()(const ExecuteProgramFields& f) const {
        v.Type = TActionType::ExecuteProgram;
        v.TryWindow = f.tryWindow.text;
        v.TryFirst = !v.TryWindow.empty();
        v.FileName = f.fileName.text;
        v.Params = f.params.text;
        v.Suspend = *f.suspend.value;
    }
    // A name of the Windows list in another spelling is shown as typed, so it is kept as it is.
    void operator()(const PostMessageFields& f) const {
        v.Type = TActionType::PostMessage;
        v.WindowsMessage =
            std::ranges::find(windowsMessages, f.message.text) != windowsMessages.end();
        (v.WindowsMessage ? v.WindowsMessageName : v.UserMessageName) = f.message.text;
        v.WParam = f.wParam.text;
        v.LParam = f.lParam.text;
        Window(f.destination, f.keepActive);
    }
    void operator()(const MixerFields& f) const {
        v.Type = TActionType::Volume;
        v.Mixer = *f.mixer.value;
        v.Destination = *f.destination.value;
        v.Line = *f.line.value;
        const int operation = *f.operation.value;
        v.Mute = operation == static_cast<int>(VolumeOperation::ToggleMute);
        if (!v.Mute)
            v.VolumeStep = operation;
        // Muting carries an increment too; shown, it comes back as it was.
        v.Increment = *f.increment.value;
    }
    void operator()(const ShutdownFields& f) const {
        v.Type = TActionType::Miscellaneous;
        v.Misc = TMiscOption::Shutdown;
        v.ShutdownCode = *f.code.value;
    }
    void operator()(const WindowStateFields& f) const {
        v.Type = TActionType::Miscellaneous;
        v.Misc = TMiscOption::WindowState;
        v.WindowStateCode = *f.code.value;
    }
    void operator()(const OsdFields& f) const {
        v.Type = TActionType::Miscellaneous;
        v.Misc = TMiscOption::Osd;
        v.OsdText = f.text.text;
    }
    void operator()(const SendDataFields& f) const {
        v.Type = TActionType::SendData;
        if (f.source == SendDataSource::None)
            return;
        v.Data = f.source;
        (f.source == SendDataSource::Stream ? v.Stream : v.DataFile) = f.data.text;
    }

    void Window(const TextField& destination, const FlagField& keepActive) const {
        v.DestinationWindow = destination.text;
        v.KeepActive = *keepActive.value;
    }
};

// The values as the editor's controls show them.
TActionEditorValues AsShown(const TActionEditorValues& values, const TEditorLists& lists) {
    TActionEditorValues shown = values;
    for (const TBoundedValue& b : BoundedValues(values, lists)) {
        int& value = shown.*b.Field;
        if (!b.Shows(values))
            value = b.List ? -1 : std::clamp(value, b.Low, b.High);
    }
    return shown;
}

} // namespace

std::vector<TBoundedValue> BoundedValues(const TActionEditorValues& v, const TEditorLists& lists) {
    using V = TActionEditorValues;
    const auto list = [](TEditorValue value, int V::*field, std::size_t items) {
        return TBoundedValue{value, field, 0, static_cast<int>(items) - 1, true};
    };
    const auto range = [](TEditorValue value, int V::*field, int low, int high) {
        return TBoundedValue{value, field, low, high, false};
    };
    std::vector<TBoundedValue> bounded;
    switch (v.Type) {
    case TActionType::TapKey:
        if (v.SystemKey)
            bounded.push_back(list(TEditorValue::SystemKey, &V::SystemKeyIndex,
                                   static_cast<std::size_t>(std::max(lists.SystemKeys, 0))));
        break;
    case TActionType::MouseMove:
        switch (v.Mouse) {
        case TMouseOption::Click:
            bounded.push_back(list(TEditorValue::Click, &V::ClickType, kClickTypes));
            break;
        case TMouseOption::RelativeMove:
            bounded.push_back(list(TEditorValue::RelativeMove, &V::Direction, kDirections));
            bounded.push_back(
                range(TEditorValue::Acceleration, &V::Acceleration, kMinBarStep, kMaxBarStep));
            break;
        case TMouseOption::AbsoluteMove:
            bounded.push_back(range(TEditorValue::AbsoluteMove, &V::X, 0, lists.ScreenWidth));
            bounded.push_back(range(TEditorValue::AbsoluteMove, &V::Y, 0, lists.ScreenHeight));
            break;
        }
        break;
    case TActionType::Volume:
        bounded.push_back(list(TEditorValue::Mixer, &V::Mixer, lists.Mixers.size()));
        bounded.push_back(list(TEditorValue::Destination, &V::Destination,
                               DestinationsOf(lists.Mixers, v.Mixer).size()));
        bounded.push_back(list(TEditorValue::Line, &V::Line,
                               LinesOf(lists.Mixers, v.Mixer, v.Destination).size()));
        if (!v.Mute)
            bounded.push_back(list(TEditorValue::Volume, &V::VolumeStep, kVolumeSteps));
        bounded.push_back(range(TEditorValue::Increment, &V::Increment, kMinBarStep, kMaxBarStep));
        break;
    case TActionType::Miscellaneous:
        if (v.Misc == TMiscOption::Shutdown)
            bounded.push_back(list(TEditorValue::Shutdown, &V::ShutdownCode, kShutdownKinds));
        if (v.Misc == TMiscOption::WindowState)
            bounded.push_back(list(TEditorValue::WindowState, &V::WindowStateCode, kWindowStates));
        break;
    case TActionType::ExecuteProgram:
    case TActionType::PostMessage:
    case TActionType::SendData:
        break;
    }
    bounded.push_back(range(TEditorValue::Delay, &V::Delay, 0, kMaxActionDelay));
    return bounded;
}

ActionFields EditorActionFields(const TActionEditorValues& values) {
    return ActionFields{KindFields(values), NumberValue(values.Delay)};
}

std::string ComposeEditorAction(const TActionEditorValues& values) {
    return ComposeAction(EditorActionFields(values));
}

TActionEditorValues LoadEditorAction(std::string_view action, const TActionEditorValues& values,
                                     const TEditorLists& lists) {
    const std::string quoted = "The action \"" + std::string(action) + "\" cannot be edited";
    const std::optional<ActionFields> fields = ParseAction(action);
    if (!fields)
        throw std::runtime_error(quoted + ": it is of no kind the editor knows.");
    if (const std::vector<std::string> invalid = InvalidActionFields(*fields); !invalid.empty())
        throw std::runtime_error(quoted + ": its fields " + JoinNames(invalid) +
                                 " do not hold valid values.");
    TActionEditorValues loaded = values;
    std::visit(Loader{loaded, lists.WindowsMessages}, fields->fields);
    loaded.Delay = *fields->delay.value;
    // Accepted unchanged, the editor stores what its controls show.
    if (const std::string shown = ComposeEditorAction(AsShown(loaded, lists)); shown != action)
        throw std::runtime_error(quoted + " as it is: the editor would store it as \"" + shown +
                                 "\".");
    return loaded;
}

} // namespace tav
