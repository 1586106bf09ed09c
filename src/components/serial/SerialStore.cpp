#include "components/serial/SerialStore.h"

#include "components/ini/BufferedIniFile.h"
#include "framework/Text.h"

#include <array>
#include <functional>
#include <vector>

namespace tav {
namespace {

using P = TSerialProperties;

constexpr std::array<std::string_view, kBaudRateCount> kBaudNames = {
    "Custom", "110",   "300",   "600",   "1200",  "2400",   "4800",   "9600",
    "14400",  "19200", "38400", "56000", "57600", "115200", "128000", "256000"};
constexpr std::array<std::string_view, 3> kStopBitsNames = {"1", "1.5", "2"};
constexpr std::array<std::string_view, 4> kDataBitsNames = {"5", "6", "7", "8"};
constexpr std::array<std::string_view, 5> kParityNames = {"None", "Odd", "Even", "Mark", "Space"};
constexpr std::array<std::string_view, 4> kFlowNames = {"Hardware", "Software", "None", "Custom"};
constexpr std::array<std::string_view, 3> kDtrNames = {"Disable", "Enable", "Handshake"};
constexpr std::array<std::string_view, 4> kRtsNames = {"Disable", "Enable", "Handshake", "Toggle"};

std::string BoolText(bool value) {
    return value ? "Yes" : "No";
}

bool BoolFromText(std::string_view text) {
    return AnsiSameText(text, "YES");
}

std::string CharText(char c) {
    const auto code = static_cast<unsigned char>(c);
    if (code >= 33 && code <= 127)
        return std::string(1, c);
    std::string text = "#";
    text += std::to_string(code);
    return text;
}

char CharFromText(std::string_view text) {
    if (text.empty())
        return 0;
    if (text[0] == '#' && text.size() > 1) {
        const std::optional<std::int32_t> code = TryStrToInt(text.substr(1));
        return code ? static_cast<char>(*code & 0xFF) : 0;
    }
    return text[0];
}

// One stored value: its group, its name, its stored form and how it goes back into the port.
// `Present` leaves out a value that means nothing in the port's current state.
struct TField {
    TStoredGroup Group;
    std::string_view Name;
    std::function<std::string(const P&)> Text;
    std::function<void(P&, const std::string&)> SetText;
    std::function<std::int32_t(const P&)> Number;
    std::function<void(P&, std::int32_t)> SetNumber;
    bool (*Present)(const P&) = nullptr;
};

template <class E, std::size_t N>
TField NameField(TStoredGroup group, std::string_view name,
                 const std::array<std::string_view, N>& names, E fallback, E (*get)(const P&),
                 void (*set)(P&, E)) {
    return {group, name,
            [&names, get](const P& p) { return std::string(names[static_cast<int>(get(p))]); },
            [&names, fallback, set](P& p, const std::string& text) {
                E value = fallback;
                for (std::size_t i = 0; i < N; ++i)
                    if (AnsiSameText(text, names[i]))
                        value = static_cast<E>(i);
                set(p, value);
            }};
}

TField BoolField(TStoredGroup group, std::string_view name, bool (*get)(const P&),
                 void (*set)(P&, bool)) {
    return {group, name, [get](const P& p) { return BoolText(get(p)); },
            [set](P& p, const std::string& text) { set(p, BoolFromText(text)); }};
}

TField CharField(TStoredGroup group, std::string_view name, char (*get)(const P&),
                 void (*set)(P&, char)) {
    return {group, name, [get](const P& p) { return CharText(get(p)); },
            [set](P& p, const std::string& text) { set(p, CharFromText(text)); }};
}

TField IntField(TStoredGroup group, std::string_view name, std::int32_t (*get)(const P&),
                void (*set)(P&, std::int32_t)) {
    return {group, name, {}, {}, get, set};
}

const std::vector<TField>& Fields() {
    using G = TStoredGroup;
    static const std::vector<TField> fields = [] {
        std::vector<TField> f;
        f.push_back({G::sgBasic, "Port", [](const P& p) { return p.Port(); },
                     [](P& p, const std::string& text) { p.SetPort(text); }});
        f.push_back(NameField<TBaudRate>(
            G::sgBasic, "BaudRate", kBaudNames, TBaudRate::br9600,
            [](const P& p) { return p.BaudRate(); }, [](P& p, TBaudRate v) { p.SetBaudRate(v); }));
        TField custom = IntField(
            G::sgBasic, "CustomBaudRate", [](const P& p) { return p.CustomBaudRate(); },
            [](P& p, std::int32_t v) { p.SetCustomBaudRate(v); });
        custom.Present = [](const P& p) { return p.BaudRate() == TBaudRate::brCustom; };
        f.push_back(std::move(custom));
        f.push_back(NameField<TStopBits>(
            G::sgBasic, "StopBits", kStopBitsNames, TStopBits::sbOneStopBit,
            [](const P& p) { return p.StopBits(); }, [](P& p, TStopBits v) { p.SetStopBits(v); }));
        f.push_back(NameField<TDataBits>(
            G::sgBasic, "DataBits", kDataBitsNames, TDataBits::dbEight,
            [](const P& p) { return p.DataBits(); }, [](P& p, TDataBits v) { p.SetDataBits(v); }));
        f.push_back(NameField<TParityBits>(
            G::sgBasic, "Parity", kParityNames, TParityBits::prNone,
            [](const P& p) { return p.Parity().Bits(); },
            [](P& p, TParityBits v) { p.Parity().SetBits(v); }));
        f.push_back(NameField<TFlowControl>(
            G::sgBasic, "FlowControl", kFlowNames, TFlowControl::fcCustom,
            [](const P& p) { return p.FlowControl().FlowControl(); },
            [](P& p, TFlowControl v) { p.FlowControl().SetFlowControl(v); }));

        f.push_back(CharField(
            G::sgOther, "EventChar", [](const P& p) { return p.EventChar(); },
            [](P& p, char v) { p.SetEventChar(v); }));
        f.push_back(BoolField(
            G::sgOther, "DiscardNull", [](const P& p) { return p.DiscardNull(); },
            [](P& p, bool v) { p.SetDiscardNull(v); }));

        f.push_back(BoolField(
            G::sgParity, "Parity.Check", [](const P& p) { return p.Parity().Check(); },
            [](P& p, bool v) { p.Parity().SetCheck(v); }));
        f.push_back(BoolField(
            G::sgParity, "Parity.Replace", [](const P& p) { return p.Parity().Replace(); },
            [](P& p, bool v) { p.Parity().SetReplace(v); }));
        f.push_back(CharField(
            G::sgParity, "Parity.ReplaceChar", [](const P& p) { return p.Parity().ReplaceChar(); },
            [](P& p, char v) { p.Parity().SetReplaceChar(v); }));

        f.push_back(IntField(
            G::sgBuffer, "Buffer.OutputSize", [](const P& p) { return p.Buffer().OutputSize(); },
            [](P& p, std::int32_t v) { p.Buffer().SetOutputSize(v); }));
        f.push_back(IntField(
            G::sgBuffer, "Buffer.InputSize", [](const P& p) { return p.Buffer().InputSize(); },
            [](P& p, std::int32_t v) { p.Buffer().SetInputSize(v); }));

        f.push_back(IntField(
            G::sgTimeouts, "Timeouts.ReadInterval",
            [](const P& p) { return p.Timeouts().ReadInterval(); },
            [](P& p, std::int32_t v) { p.Timeouts().SetReadInterval(v); }));
        f.push_back(IntField(
            G::sgTimeouts, "Timeouts.ReadTotalConstant",
            [](const P& p) { return p.Timeouts().ReadTotalConstant(); },
            [](P& p, std::int32_t v) { p.Timeouts().SetReadTotalConstant(v); }));
        f.push_back(IntField(
            G::sgTimeouts, "Timeouts.ReadTotalMultiplier",
            [](const P& p) { return p.Timeouts().ReadTotalMultiplier(); },
            [](P& p, std::int32_t v) { p.Timeouts().SetReadTotalMultiplier(v); }));
        f.push_back(IntField(
            G::sgTimeouts, "Timeouts.WriteTotalConstant",
            [](const P& p) { return p.Timeouts().WriteTotalConstant(); },
            [](P& p, std::int32_t v) { p.Timeouts().SetWriteTotalConstant(v); }));
        f.push_back(IntField(
            G::sgTimeouts, "Timeouts.WriteTotalMultiplier",
            [](const P& p) { return p.Timeouts().WriteTotalMultiplier(); },
            [](P& p, std::int32_t v) { p.Timeouts().SetWriteTotalMultiplier(v); }));

        f.push_back(NameField<TRTSFlowControl>(
            G::sgFlowControl, "FlowControl.ControlRTS", kRtsNames, TRTSFlowControl::rtsDisable,
            [](const P& p) { return p.FlowControl().ControlRTS(); },
            [](P& p, TRTSFlowControl v) { p.FlowControl().SetControlRTS(v); }));
        f.push_back(NameField<TDTRFlowControl>(
            G::sgFlowControl, "FlowControl.ControlDTR", kDtrNames, TDTRFlowControl::dtrDisable,
            [](const P& p) { return p.FlowControl().ControlDTR(); },
            [](P& p, TDTRFlowControl v) { p.FlowControl().SetControlDTR(v); }));
        f.push_back(BoolField(
            G::sgFlowControl, "FlowControl.DSRSensitivity",
            [](const P& p) { return p.FlowControl().DSRSensitivity(); },
            [](P& p, bool v) { p.FlowControl().SetDSRSensitivity(v); }));
        f.push_back(BoolField(
            G::sgFlowControl, "FlowControl.OutCTSFlow",
            [](const P& p) { return p.FlowControl().OutCTSFlow(); },
            [](P& p, bool v) { p.FlowControl().SetOutCTSFlow(v); }));
        f.push_back(BoolField(
            G::sgFlowControl, "FlowControl.OutDSRFlow",
            [](const P& p) { return p.FlowControl().OutDSRFlow(); },
            [](P& p, bool v) { p.FlowControl().SetOutDSRFlow(v); }));
        f.push_back(BoolField(
            G::sgFlowControl, "FlowControl.TxContinueOnXoff",
            [](const P& p) { return p.FlowControl().TxContinueOnXoff(); },
            [](P& p, bool v) { p.FlowControl().SetTxContinueOnXoff(v); }));
        f.push_back(BoolField(
            G::sgFlowControl, "FlowControl.XonXoffIn",
            [](const P& p) { return p.FlowControl().XonXoffIn(); },
            [](P& p, bool v) { p.FlowControl().SetXonXoffIn(v); }));
        f.push_back(BoolField(
            G::sgFlowControl, "FlowControl.XonXoffOut",
            [](const P& p) { return p.FlowControl().XonXoffOut(); },
            [](P& p, bool v) { p.FlowControl().SetXonXoffOut(v); }));
        f.push_back(CharField(
            G::sgFlowControl, "FlowControl.XoffChar",
            [](const P& p) { return p.FlowControl().XoffChar(); },
            [](P& p, char v) { p.FlowControl().SetXoffChar(v); }));
        f.push_back(CharField(
            G::sgFlowControl, "FlowControl.XonChar",
            [](const P& p) { return p.FlowControl().XonChar(); },
            [](P& p, char v) { p.FlowControl().SetXonChar(v); }));
        return f;
    }();
    return fields;
}

bool Stored(const TField& field, const P& port) {
    return port.StoredGroups.Contains(field.Group) &&
           (field.Present == nullptr || field.Present(port));
}

} // namespace

void SaveSerialSettings(const TSerialProperties& port, ISerialStoreWriter& writer) {
    for (const TField& field : Fields()) {
        if (!Stored(field, port))
            continue;
        if (field.Number)
            writer.WriteInteger(field.Name, field.Number(port));
        else
            writer.WriteString(field.Name, field.Text(port));
    }
}

void LoadSerialSettings(TSerialProperties& port, ISerialStoreReader& reader) {
    // In order, each through its setter: whether a custom rate is stored depends on the rate
    // read before it.
    for (const TField& field : Fields()) {
        if (!Stored(field, port))
            continue;
        if (field.Number)
            field.SetNumber(port, reader.ReadInteger(field.Name, field.Number(port)));
        else
            field.SetText(port, reader.ReadString(field.Name, field.Text(port)));
    }
}

void TIniSerialStore::WriteString(std::string_view name, const std::string& value) {
    ini_.WriteString(section_, name, value);
}

void TIniSerialStore::WriteInteger(std::string_view name, std::int32_t value) {
    ini_.WriteInteger(section_, name, value);
}

std::string TIniSerialStore::ReadString(std::string_view name, const std::string& current) {
    return ini_.ReadString(section_, name, current);
}

std::int32_t TIniSerialStore::ReadInteger(std::string_view name, std::int32_t current) {
    return ini_.ReadInteger(section_, name, current);
}

} // namespace tav
