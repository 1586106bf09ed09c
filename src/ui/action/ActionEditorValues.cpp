#include "ui/action/ActionEditorValues.h"

#include "framework/Text.h"

#include <stdexcept>

namespace tav {

namespace {

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

int IndexIgnoringCase(const std::vector<std::string>& names, std::string_view name) {
    for (std::size_t i = 0; i < names.size(); ++i)
        if (AnsiSameText(names[i], name))
            return static_cast<int>(i);
    return -1;
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
    void operator()(const PostMessageFields& f) const {
        v.Type = TActionType::PostMessage;
        const int listed = IndexIgnoringCase(windowsMessages, f.message.text);
        v.WindowsMessage = listed >= 0;
        if (v.WindowsMessage)
            v.WindowsMessageName = windowsMessages[static_cast<std::size_t>(listed)];
        else
            v.UserMessageName = f.message.text;
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
        if (operation == static_cast<int>(VolumeOperation::ToggleMute)) {
            // The increment stays as it was shown.
            v.Mute = true;
        } else if (operation <= static_cast<int>(VolumeOperation::Down)) {
            v.Mute = false;
            v.VolumeStep = operation;
            v.Increment = *f.increment.value;
        }
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

} // namespace

ActionFields EditorActionFields(const TActionEditorValues& values) {
    return ActionFields{KindFields(values), NumberValue(values.Delay)};
}

std::string ComposeEditorAction(const TActionEditorValues& values) {
    return ComposeAction(EditorActionFields(values));
}

std::optional<TActionEditorValues>
LoadEditorAction(std::string_view action, const TActionEditorValues& values,
                 const std::vector<std::string>& windowsMessages) {
    const std::optional<ActionFields> fields = ParseAction(action);
    if (!fields)
        return std::nullopt;
    if (const std::vector<std::string> invalid = InvalidActionFields(*fields); !invalid.empty())
        throw std::runtime_error("The action \"" + std::string(action) +
                                 "\" cannot be edited: its fields " + JoinNames(invalid) +
                                 " do not hold valid values.");
    TActionEditorValues loaded = values;
    std::visit(Loader{loaded, windowsMessages}, fields->fields);
    loaded.Delay = *fields->delay.value;
    return loaded;
}

} // namespace tav
