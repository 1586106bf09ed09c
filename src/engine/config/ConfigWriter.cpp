#include "engine/config/CodeCodec.h"
#include "engine/config/ConfigFile.h"

#include "framework/SafeFileReplace.h"

#include <unordered_map>
#include <utility>

namespace tav {

namespace {

// Builds the text line by line; every section but the first follows an empty line.
class ConfigText {
public:
    void Section(const std::string& name) {
        if (!text_.empty())
            text_ += "\r\n";
        text_ += '[';
        text_ += name;
        text_ += "]\r\n";
    }
    void Key(std::string_view key, std::string_view value) {
        text_ += key;
        text_ += '=';
        text_ += value;
        text_ += "\r\n";
    }
    void Key(std::string_view key, long long value) { Key(key, std::to_string(value)); }
    void Flag(std::string_view key, bool value) { Key(key, value ? "1" : "0"); }
    std::string Take() { return std::move(text_); }

private:
    std::string text_;
};

std::string Numbered(const char* prefix, std::size_t n) {
    std::string text(prefix);
    text += std::to_string(n);
    return text;
}

} // namespace

std::string FormatConfig(const TDocument& document, const TConfigFileInfo& info) {
    const auto& layouts = document.Layouts();
    // Where each action item lives, for the "TA" keys of the commands that it lists.
    std::unordered_map<const TAction*, std::pair<std::size_t, std::size_t>> places;
    for (std::size_t l = 0; l < layouts.size(); ++l)
        for (std::size_t a = 0; a < layouts[l]->Actions.size(); ++a)
            places[layouts[l]->Actions[a].get()] = {l, a};

    ConfigText out;
    out.Section("File information");
    out.Key("Program", info.Program);
    out.Key("Version", 4);
    out.Key("Web", info.Web);
    out.Key("Date", info.Date);
    out.Key("Commands", document.Tree().Count());
    out.Key("Layouts", static_cast<long long>(layouts.size()));

    std::size_t i = 0;
    for (const TCommandNode* node : document.Tree().Nodes()) {
        const TCommand& record = *node->Data();
        out.Section(Numbered("C", i++));
        out.Key("Name", node->Text);
        out.Key("Level", node->Level());
        out.Key("Sound", record.Sound);
        out.Flag("Recognition", record.Recognition);
        out.Flag("Typematic", record.Typematic);
        out.Key("Digits", CodeDigits(record.Code()));
        out.Key("Code", EncodeCode(record.Code()));
        out.Key("TrigCount", static_cast<long long>(record.Actions.size()));
        for (std::size_t j = 0; j < record.Actions.size(); ++j) {
            const auto [l, a] = places.at(record.Actions[j]);
            out.Key(Numbered("TA", j), Numbered("L", l) + Numbered("A", a));
        }
    }

    for (std::size_t l = 0; l < layouts.size(); ++l) {
        const TLayout& layout = *layouts[l];
        const std::string section = Numbered("L", l);
        out.Section(section);
        out.Key("Name", layout.Name);
        out.Key("Application", layout.Application);
        out.Key("WndTitle", layout.WndTitle);
        out.Key("ActCount", static_cast<long long>(layout.Actions.size()));
        for (std::size_t a = 0; a < layout.Actions.size(); ++a) {
            const TAction& item = *layout.Actions[a];
            out.Section(section + Numbered("A", a));
            out.Key("Name", item.Name);
            out.Key("TrigEn", item.TrigEn);
            out.Key("TrigType", item.TrigType);
            out.Flag("AllAtOnce", item.AllAtOnce);
            out.Key("TrigCount", static_cast<long long>(item.TriggerCommands.size()));
            for (std::size_t k = 0; k < item.TriggerCommands.size(); ++k)
                out.Key(Numbered("TC", k), item.TriggerCommands[k]->NodeIndex);
            out.Key("ActCount", static_cast<long long>(item.ActionStrings.size()));
            for (std::size_t k = 0; k < item.ActionStrings.size(); ++k)
                out.Key(Numbered("A", k), item.ActionStrings[k]);
        }
    }
    return out.Take();
}

TConfigSaveResult SaveConfigFile(const TDocument& document, const std::string& path,
                                 const TConfigFileInfo& info) {
    // One generation of backup: the file being replaced.
    if (auto error = ReplaceFileSafely(path, FormatConfig(document, info), TBackup::Keep))
        return {false, std::move(*error)};
    return {true, {}};
}

} // namespace tav
