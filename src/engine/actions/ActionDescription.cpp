#include "engine/actions/ActionDescription.h"

#include "framework/FileNames.h"
#include "framework/Text.h"

#include <array>

namespace tav {

namespace {

// Indexed by ActionKind.
constexpr std::array<int, 9> kTypeIndexes = {0, 1, 2, 3, 4, 5, 5, 5, 6};
constexpr std::array<int, 9> kImageIndexes = {0, 1, 2, 3, 4, 5, 5, 7, 6};

// The list item the field's number names, or the field's stored text when there is none.
std::string ItemOrText(const ActionLabels& labels, ActionList list, const NumberField& field) {
    if (field.Valid()) {
        if (auto item = labels.Item(list, *field.value))
            return *item;
    }
    return field.text;
}

std::string LowerOption(const ActionLabels& labels, ActionOption option) {
    return AnsiLowerCase(StripMenuCaption(labels.Caption(option)));
}

struct Describer {
    const ActionLabels& labels;

    std::string operator()(const SendKeysFields& f) const {
        std::string out;
        if (f.alt.value.value_or(false))
            out += "Alt+";
        if (f.ctrl.value.value_or(false))
            out += "Ctrl+";
        const auto third = f.shiftOrWindows.value.value_or(ShiftOrWindows::None);
        if (third == ShiftOrWindows::Shift)
            out += "Shift+";
        if (third == ShiftOrWindows::Windows || third == ShiftOrWindows::WindowsLegacy)
            out += "Win+";
        std::optional<std::string> name;
        if (const auto index = f.SystemKeyIndex())
            name = labels.Item(ActionList::SystemKeys, *index);
        out += name ? *name : f.key.text;
        return out;
    }
    std::string operator()(const MouseControlFields& f) const { return std::visit(*this, f.move); }
    std::string operator()(std::monostate) const { return {}; }
    std::string operator()(const MouseUnknownMove&) const { return {}; }
    std::string operator()(const MouseClick& m) const {
        const bool twice = m.doubleClick.value.value_or(false);
        return ItemOrText(labels, ActionList::ClickTypes, m.button) + " " +
               LowerOption(labels, twice ? ActionOption::DoubleClick : ActionOption::Click);
    }
    std::string operator()(const MouseRelativeMove& m) const {
        return ItemOrText(labels, ActionList::Directions, m.direction) + " (" +
               m.acceleration.text + ")";
    }
    std::string operator()(const MouseAbsoluteMove& m) const {
        return "x: " + m.x.text + ", y: " + m.y.text;
    }
    std::string operator()(const ExecuteProgramFields& f) const {
        return ExtractFileName(f.fileName.text) + " " + f.params.text;
    }
    std::string operator()(const PostMessageFields& f) const {
        return f.message.text + ", " + f.wParam.text + ", " + f.lParam.text;
    }
    std::string operator()(const MixerFields& f) const {
        std::optional<std::string> line;
        if (f.destination.Valid() && f.line.Valid())
            line = labels.MixerLineName(*f.destination.value, *f.line.value);
        std::string out = line ? *line : "D:" + f.destination.text + " C:" + f.line.text;
        const auto op = f.operation.value;
        if (op == static_cast<int>(VolumeOperation::Up) ||
            op == static_cast<int>(VolumeOperation::Down)) {
            out += ", " +
                   AnsiLowerCase(StripMenuCaption(labels.Caption(ActionOption::Volume)) + " " +
                                 ItemOrText(labels, ActionList::VolumeSteps, f.operation)) +
                   ", " + f.increment.text;
        } else if (op == static_cast<int>(VolumeOperation::ToggleMute)) {
            out += ", " + LowerOption(labels, ActionOption::Mute);
        }
        // Any other "Vol:" digit does nothing when run, and the caption says nothing of it.
        return out;
    }
    std::string operator()(const ShutdownFields& f) const {
        return ItemOrText(labels, ActionList::ShutdownKinds, f.code);
    }
    std::string operator()(const WindowStateFields& f) const {
        return ItemOrText(labels, ActionList::WindowStates, f.code);
    }
    std::string operator()(const OsdFields& f) const { return f.text.text; }
    std::string operator()(const SendDataFields& f) const { return f.data.text; }
};

} // namespace

int ActionTypeIndex(ActionKind kind) {
    return kTypeIndexes[static_cast<std::size_t>(kind)];
}

int ActionImageIndex(ActionKind kind) {
    return kImageIndexes[static_cast<std::size_t>(kind)];
}

ActionCaption DescribeAction(const ActionFields& action, const ActionLabels& labels) {
    return ActionCaption{std::visit(Describer{labels}, action.fields),
                         ActionImageIndex(action.Kind())};
}

} // namespace tav
