#include "engine/actions/ActionString.h"

#include "framework/Text.h"

#include <array>
#include <initializer_list>

namespace tav {

namespace {

constexpr char kMarkerChar = '\xA1';

constexpr std::array<std::string_view, 9> kKindNames = {
    "SendKeys",    "MouseControl", "ExecuteProgram", "PostMessage", "Mixer", "Shutdown",
    "WindowState", "OSD",          "SendData"};

constexpr std::string_view kDelay = "Delay:";
constexpr std::string_view kDestWnd = "DestWnd:";
constexpr std::string_view kKeepActive = "KeepActive:";
constexpr std::string_view kClick = "Click:";
constexpr std::string_view kRelMove = "RelMove:";
constexpr std::string_view kAccel = "Accel:";
constexpr std::string_view kAbsMove = "AbsMove:";
constexpr std::string_view kX = "X";
constexpr std::string_view kY = "Y";
constexpr std::string_view kTry = "Try:";
constexpr std::string_view kFilename = "Filename:";
constexpr std::string_view kParams = "Params:";
constexpr std::string_view kSuspend = "Suspend:";
constexpr std::string_view kWParam = "wParam:";
constexpr std::string_view kLParam = "lParam:";
constexpr std::string_view kDest = "D:";
constexpr std::string_view kLine = "C:";
constexpr std::string_view kVol = "Vol:";
constexpr std::string_view kInc = "Inc:";
constexpr std::string_view kStream = "Stream:";
constexpr std::string_view kFile = "File:";

struct Piece {
    std::string_view text;
    bool present = true;
};

// Cuts `body` at its keys, each searched after the previous key that was found. An empty first
// key means the first value starts the body; a non-empty one counts only at the very start, and
// without it the leading text stays with the first field, marked missing. A missing key leaves
// its text with the field before it, so no character is ever dropped.
std::vector<Piece> SplitAtKeys(std::string_view body,
                               std::initializer_list<std::string_view> keys) {
    std::vector<Piece> pieces(keys.size());
    const std::string_view* key = keys.begin();
    std::size_t open = 0;
    std::size_t valueStart = 0;
    if (!key->empty()) {
        if (body.starts_with(*key))
            valueStart = key->size();
        else
            pieces[0].present = false;
    }
    for (std::size_t i = 1; i < keys.size(); ++i) {
        const std::size_t found = body.find(key[i], valueStart);
        if (found == std::string_view::npos) {
            pieces[i].present = false;
            continue;
        }
        pieces[open].text = body.substr(valueStart, found - valueStart);
        open = i;
        valueStart = found + key[i].size();
    }
    pieces[open].text = body.substr(valueStart);
    return pieces;
}

template <typename T, typename Reader> ActionField<T> MakeField(const Piece& piece, Reader read) {
    ActionField<T> field;
    field.text = std::string(piece.text);
    field.present = piece.present;
    if (piece.present)
        field.value = read(piece.text);
    return field;
}

TextField ReadText(const Piece& piece) {
    return MakeField<std::string>(piece, [](std::string_view t) { return std::string(t); });
}

NumberField ReadNumber(const Piece& piece) {
    return MakeField<std::int32_t>(piece, ReadActionNumber);
}

NumberField ReadDigit(const Piece& piece) {
    return MakeField<std::int32_t>(piece, ReadActionDigit);
}

// A one-character flag: `yes` reads as true, `no` as false, anything else does not read.
FlagField ReadFlag(const Piece& piece, char yes, char no) {
    return MakeField<bool>(piece, [yes, no](std::string_view t) -> std::optional<bool> {
        if (t.size() != 1)
            return std::nullopt;
        if (t[0] == yes)
            return true;
        if (t[0] == no)
            return false;
        return std::nullopt;
    });
}

FlagField ReadYesNo(const Piece& piece) {
    return ReadFlag(piece, 'Y', 'N');
}

// A "Y" or "N" that the editor writes right after `key`. When the text before held the key too,
// the value was cut at that earlier copy, so the flag is the letter after the last copy.
FlagField ReadYesNoAfter(const Piece& piece, std::string_view key) {
    FlagField field = ReadYesNo(piece);
    const std::string_view t = piece.text;
    if (piece.present && !field.value && t.size() > key.size() &&
        t.substr(t.size() - 1 - key.size(), key.size()) == key)
        field.value = ReadYesNo(Piece{t.substr(t.size() - 1)}).value;
    return field;
}

std::optional<ShiftOrWindows> ShiftOrWindowsOf(std::string_view t) {
    if (t.size() != 1)
        return std::nullopt;
    switch (t[0]) {
    case 'N':
        return ShiftOrWindows::None;
    case 'S':
        return ShiftOrWindows::Shift;
    case 'L':
        return ShiftOrWindows::Windows;
    case 'R':
        return ShiftOrWindows::WindowsLegacy;
    default:
        return std::nullopt;
    }
}

// Characters [from, from + count) of `s` as a piece; missing when `s` has no character at `from`.
Piece Slice(std::string_view s, std::size_t from, std::size_t count) {
    if (s.size() <= from && count != 0)
        return Piece{{}, false};
    return Piece{s.substr(from, count), true};
}

SendKeysFields ParseSendKeys(std::string_view body, NumberField& delay) {
    const auto p = SplitAtKeys(body, {"", kDelay, kDestWnd, kKeepActive});
    const std::string_view head = p[0].text;
    SendKeysFields f;
    f.alt = ReadFlag(Slice(head, 0, 1), 'A', 'N');
    f.ctrl = ReadFlag(Slice(head, 1, 1), 'C', 'N');
    f.shiftOrWindows = MakeField<ShiftOrWindows>(Slice(head, 2, 1), ShiftOrWindowsOf);
    f.systemKey = ReadFlag(Slice(head, 3, 1), 'E', 'N');
    Piece key = head.size() >= 4 ? Piece{head.substr(4), true} : Piece{{}, false};
    f.key = ReadText(key);
    delay = ReadNumber(p[1]);
    f.destination = ReadText(p[2]);
    f.keepActive = ReadYesNoAfter(p[3], kKeepActive);
    return f;
}

MouseControlFields ParseMouseControl(std::string_view body, NumberField& delay) {
    const auto p = SplitAtKeys(body, {"", kDelay});
    delay = ReadNumber(p[1]);
    const std::string_view move = p[0].text;
    MouseControlFields f;
    if (move.empty()) {
        f.move = std::monostate{};
    } else if (move.starts_with(kClick)) {
        const std::string_view rest = move.substr(kClick.size());
        MouseClick click;
        click.button = ReadDigit(Slice(rest, 0, 1));
        click.doubleClick = ReadYesNo(Slice(rest, 1, std::string_view::npos));
        f.move = click;
    } else if (move.starts_with(kRelMove)) {
        const auto q = SplitAtKeys(move.substr(kRelMove.size()), {"", kAccel});
        f.move = MouseRelativeMove{ReadDigit(q[0]), ReadNumber(q[1])};
    } else if (move.starts_with(kAbsMove)) {
        const auto q = SplitAtKeys(move.substr(kAbsMove.size()), {kX, kY});
        f.move = MouseAbsoluteMove{ReadNumber(q[0]), ReadNumber(q[1])};
    } else {
        f.move = MouseUnknownMove{ReadText(Piece{move, false})};
    }
    return f;
}

ExecuteProgramFields ParseExecuteProgram(std::string_view body, NumberField& delay) {
    const auto p = SplitAtKeys(body, {kTry, kFilename, kParams, kSuspend, kDelay});
    delay = ReadNumber(p[4]);
    return ExecuteProgramFields{ReadText(p[0]), ReadText(p[1]), ReadText(p[2]),
                                ReadYesNoAfter(p[3], kSuspend)};
}

PostMessageFields ParsePostMessage(std::string_view body, NumberField& delay) {
    const auto p = SplitAtKeys(body, {"", kWParam, kLParam, kDelay, kDestWnd, kKeepActive});
    delay = ReadNumber(p[3]);
    return PostMessageFields{ReadText(p[0]), ReadText(p[1]), ReadText(p[2]), ReadText(p[4]),
                             ReadYesNoAfter(p[5], kKeepActive)};
}

MixerFields ParseMixer(std::string_view body, NumberField& delay) {
    const auto p = SplitAtKeys(body, {"", kDest, kLine, kVol, kInc, kDelay});
    delay = ReadNumber(p[5]);
    return MixerFields{ReadNumber(p[0]), ReadNumber(p[1]), ReadNumber(p[2]), ReadDigit(p[3]),
                       ReadNumber(p[4])};
}

SendDataFields ParseSendData(std::string_view body, NumberField& delay) {
    SendDataFields f;
    std::string_view key;
    if (body.starts_with(kStream)) {
        f.source = SendDataSource::Stream;
        key = kStream;
    } else if (body.starts_with(kFile)) {
        f.source = SendDataSource::File;
        key = kFile;
    }
    auto p = SplitAtKeys(body, {key, kDelay});
    // Without a source only an empty text is what the editor writes.
    if (f.source == SendDataSource::None && !p[0].text.empty())
        p[0].present = false;
    f.data = ReadText(p[0]);
    delay = ReadNumber(p[1]);
    return f;
}

void AppendKeyed(std::string& out, std::string_view key, const auto& field) {
    if (field.present)
        out += key;
    out += field.text;
}

struct Composer {
    std::string& out;
    const NumberField& delay;

    void operator()(const SendKeysFields& f) const {
        out += f.alt.text;
        out += f.ctrl.text;
        out += f.shiftOrWindows.text;
        out += f.systemKey.text;
        out += f.key.text;
        AppendKeyed(out, kDelay, delay);
        AppendKeyed(out, kDestWnd, f.destination);
        AppendKeyed(out, kKeepActive, f.keepActive);
    }
    void operator()(const MouseControlFields& f) const {
        std::visit(*this, f.move);
        AppendKeyed(out, kDelay, delay);
    }
    void operator()(std::monostate) const {}
    void operator()(const MouseClick& m) const {
        out += kClick;
        out += m.button.text;
        out += m.doubleClick.text;
    }
    void operator()(const MouseRelativeMove& m) const {
        out += kRelMove;
        out += m.direction.text;
        AppendKeyed(out, kAccel, m.acceleration);
    }
    void operator()(const MouseAbsoluteMove& m) const {
        out += kAbsMove;
        AppendKeyed(out, kX, m.x);
        AppendKeyed(out, kY, m.y);
    }
    void operator()(const MouseUnknownMove& m) const { out += m.text.text; }
    void operator()(const ExecuteProgramFields& f) const {
        AppendKeyed(out, kTry, f.tryWindow);
        AppendKeyed(out, kFilename, f.fileName);
        AppendKeyed(out, kParams, f.params);
        AppendKeyed(out, kSuspend, f.suspend);
        AppendKeyed(out, kDelay, delay);
    }
    void operator()(const PostMessageFields& f) const {
        out += f.message.text;
        AppendKeyed(out, kWParam, f.wParam);
        AppendKeyed(out, kLParam, f.lParam);
        AppendKeyed(out, kDelay, delay);
        AppendKeyed(out, kDestWnd, f.destination);
        AppendKeyed(out, kKeepActive, f.keepActive);
    }
    void operator()(const MixerFields& f) const {
        out += f.mixer.text;
        AppendKeyed(out, kDest, f.destination);
        AppendKeyed(out, kLine, f.line);
        AppendKeyed(out, kVol, f.operation);
        AppendKeyed(out, kInc, f.increment);
        AppendKeyed(out, kDelay, delay);
    }
    void operator()(const ShutdownFields& f) const { CodeAndDelay(f.code.text); }
    void operator()(const WindowStateFields& f) const { CodeAndDelay(f.code.text); }
    void operator()(const OsdFields& f) const { CodeAndDelay(f.text.text); }
    void operator()(const SendDataFields& f) const {
        if (f.data.present && f.source != SendDataSource::None)
            out += f.source == SendDataSource::Stream ? kStream : kFile;
        out += f.data.text;
        AppendKeyed(out, kDelay, delay);
    }

    void CodeAndDelay(std::string_view value) const {
        out += value;
        AppendKeyed(out, kDelay, delay);
    }
};

// Collects the names of fields that are missing or do not read, in the string's order.
struct Checker {
    std::vector<std::string>& names;
    const NumberField& delay;

    template <typename T> void Check(std::string_view name, const ActionField<T>& field) const {
        if (!field.Valid())
            names.emplace_back(name);
    }

    void operator()(const SendKeysFields& f) const {
        Check("Alt flag", f.alt);
        Check("Ctrl flag", f.ctrl);
        Check("Shift or Windows flag", f.shiftOrWindows);
        Check("key kind", f.systemKey);
        Check("key", f.key);
        if (f.key.Valid() && f.systemKey.value.value_or(false) && !f.SystemKeyIndex())
            names.emplace_back("key");
        Check(kDelay, delay);
        Check(kDestWnd, f.destination);
        Check(kKeepActive, f.keepActive);
    }
    void operator()(const MouseControlFields& f) const {
        std::visit(*this, f.move);
        Check(kDelay, delay);
    }
    void operator()(std::monostate) const {}
    void operator()(const MouseClick& m) const {
        Check(kClick, m.button);
        Check("double click", m.doubleClick);
    }
    void operator()(const MouseRelativeMove& m) const {
        Check(kRelMove, m.direction);
        Check(kAccel, m.acceleration);
    }
    void operator()(const MouseAbsoluteMove& m) const {
        Check(kX, m.x);
        Check(kY, m.y);
    }
    void operator()(const MouseUnknownMove&) const { names.emplace_back("mouse move"); }
    void operator()(const ExecuteProgramFields& f) const {
        Check(kTry, f.tryWindow);
        Check(kFilename, f.fileName);
        Check(kParams, f.params);
        Check(kSuspend, f.suspend);
        Check(kDelay, delay);
    }
    void operator()(const PostMessageFields& f) const {
        Check("message", f.message);
        Check(kWParam, f.wParam);
        Check(kLParam, f.lParam);
        Check(kDelay, delay);
        Check(kDestWnd, f.destination);
        Check(kKeepActive, f.keepActive);
    }
    void operator()(const MixerFields& f) const {
        Check("mixer", f.mixer);
        Check(kDest, f.destination);
        Check(kLine, f.line);
        Check(kVol, f.operation);
        Check(kInc, f.increment);
        Check(kDelay, delay);
    }
    void operator()(const ShutdownFields& f) const { CodeAndDelay(f.code); }
    void operator()(const WindowStateFields& f) const { CodeAndDelay(f.code); }
    void operator()(const OsdFields& f) const {
        Check("text", f.text);
        Check(kDelay, delay);
    }
    void operator()(const SendDataFields& f) const {
        switch (f.source) {
        case SendDataSource::Stream:
            Check(kStream, f.data);
            break;
        case SendDataSource::File:
            Check(kFile, f.data);
            break;
        case SendDataSource::None:
            Check("data", f.data);
            break;
        }
        Check(kDelay, delay);
    }

    void CodeAndDelay(const NumberField& code) const {
        Check("code", code);
        Check(kDelay, delay);
    }
};

} // namespace

std::string_view ActionKindName(ActionKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::string ActionMarker(ActionKind kind) {
    std::string marker(1, kMarkerChar);
    marker += ActionKindName(kind);
    marker += kMarkerChar;
    return marker;
}

TextField TextValue(std::string text) {
    TextField f;
    f.value = text;
    f.text = std::move(text);
    return f;
}

NumberField NumberValue(std::int32_t value) {
    NumberField f;
    f.text = IntToStr(value);
    f.value = value;
    return f;
}

FlagField YesNoValue(bool value) {
    FlagField f;
    f.text = std::string(1, value ? 'Y' : 'N');
    f.value = value;
    return f;
}

std::optional<std::int32_t> ReadActionNumber(std::string_view text) {
    return TryStrToInt(text);
}

std::optional<std::int32_t> ReadActionDigit(std::string_view text) {
    if (text.size() != 1 || text[0] < '0' || text[0] > '9')
        return std::nullopt;
    return text[0] - '0';
}

std::optional<std::int32_t> SendKeysFields::SystemKeyIndex() const {
    if (!systemKey.Valid() || !*systemKey.value || !key.present)
        return std::nullopt;
    return ReadActionNumber(key.text);
}

std::optional<ActionFields> ParseAction(std::string_view s) {
    for (std::size_t k = 0; k < kKindNames.size(); ++k) {
        const auto kind = static_cast<ActionKind>(k);
        const std::string marker = ActionMarker(kind);
        if (!s.starts_with(marker))
            continue;
        const std::string_view body = s.substr(marker.size());
        ActionFields action;
        switch (kind) {
        case ActionKind::SendKeys:
            action.fields = ParseSendKeys(body, action.delay);
            break;
        case ActionKind::MouseControl:
            action.fields = ParseMouseControl(body, action.delay);
            break;
        case ActionKind::ExecuteProgram:
            action.fields = ParseExecuteProgram(body, action.delay);
            break;
        case ActionKind::PostMessage:
            action.fields = ParsePostMessage(body, action.delay);
            break;
        case ActionKind::Mixer:
            action.fields = ParseMixer(body, action.delay);
            break;
        case ActionKind::Shutdown:
        case ActionKind::WindowState:
        case ActionKind::OSD: {
            const auto p = SplitAtKeys(body, {"", kDelay});
            action.delay = ReadNumber(p[1]);
            if (kind == ActionKind::Shutdown)
                action.fields = ShutdownFields{ReadNumber(p[0])};
            else if (kind == ActionKind::WindowState)
                action.fields = WindowStateFields{ReadNumber(p[0])};
            else
                action.fields = OsdFields{ReadText(p[0])};
            break;
        }
        case ActionKind::SendData:
            action.fields = ParseSendData(body, action.delay);
            break;
        }
        return action;
    }
    return std::nullopt;
}

std::string ComposeAction(const ActionFields& action) {
    std::string out = ActionMarker(action.Kind());
    std::visit(Composer{out, action.delay}, action.fields);
    return out;
}

std::vector<std::string> InvalidActionFields(const ActionFields& action) {
    std::vector<std::string> names;
    std::visit(Checker{names, action.delay}, action.fields);
    return names;
}

SendKeysFields MakeSendKeys(const KeyModifiers& modifiers,
                            const std::variant<std::int32_t, std::string>& key,
                            std::string destination, bool keepActive) {
    const auto flag = [](bool set, char letter) {
        FlagField f;
        f.text = std::string(1, set ? letter : 'N');
        f.value = set;
        return f;
    };
    SendKeysFields f;
    f.alt = flag(modifiers.alt, 'A');
    f.ctrl = flag(modifiers.ctrl, 'C');
    ShiftOrWindows third = ShiftOrWindows::None;
    char letter = 'N';
    if (modifiers.shift) {
        third = ShiftOrWindows::Shift;
        letter = 'S';
    }
    if (modifiers.windows) {
        third = ShiftOrWindows::Windows;
        letter = 'L';
    }
    f.shiftOrWindows.text = std::string(1, letter);
    f.shiftOrWindows.value = third;
    if (const auto* index = std::get_if<std::int32_t>(&key)) {
        f.systemKey = flag(true, 'E');
        f.key = TextValue(IntToStr(*index));
    } else {
        f.systemKey = flag(false, 'E');
        f.key = TextValue(std::get<std::string>(key));
    }
    f.destination = TextValue(std::move(destination));
    f.keepActive = YesNoValue(keepActive);
    return f;
}

} // namespace tav
