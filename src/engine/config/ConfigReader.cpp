#include "components/ini/BufferedIniFile.h"
#include "engine/config/CodeCodec.h"
#include "engine/config/ConfigFile.h"

#include <algorithm>
#include <cstdint>

namespace tav {

namespace {

constexpr const char* kInfo = "File information";
// Bounds for counts of a hand-edited file. Every node costs a whole code record, so their
// number has a fixed ceiling besides the size of the file.
constexpr std::int64_t kMaxNodes = 65536;
constexpr std::int64_t kMaxTriggerEntries = 1 << 20;

// A stored count: negative means none; never more than `limit`.
int Bounded(std::int32_t count, std::int64_t limit) {
    return static_cast<int>(std::clamp<std::int64_t>(count, 0, std::max<std::int64_t>(limit, 0)));
}

std::string Numbered(const char* prefix, long long n) {
    std::string text(prefix);
    text += std::to_string(n);
    return text;
}

// Key names of the two versions for the entries of the commands tree.
struct TreeKeys {
    const char* recognition;
    const char* code;
};

class Reader {
public:
    Reader(TBufferedIniFileEx& ini, TDocument& doc) : ini_(ini), doc_(doc) {
        const TSectionList& sections = ini.Sections();
        entries_ = sections.Count();
        for (int i = 0; i < sections.Count(); ++i)
            entries_ += sections.LineCount(i);
    }

    void ReadTree(int version) {
        if (version == 4) {
            const int count = Bounded(ini_.ReadInteger(kInfo, "Commands", 0), NodeLimit());
            for (int i = 0; i < count; ++i)
                ReadEntry(Numbered("C", i), Numbered("Remote ", i), {"Recognition", "Code"},
                          nullptr);
        } else {
            const int count = Bounded(ini_.ReadInteger("Config", "NumComandos", -1), NodeLimit());
            for (int n = 1; n <= count; ++n) {
                const std::string number = std::to_string(n);
                const std::string name =
                    ini_.ReadString("Comandos", number, Numbered("Remote ", n));
                ReadEntry(number, name, {"Activado", "Codigo"}, &name);
            }
        }
    }

    void ReadLayouts() {
        const int count = Bounded(ini_.ReadInteger(kInfo, "Layouts", 0), entries_);
        std::int64_t itemBudget = entries_;
        for (int l = 0; l < count; ++l) {
            const std::string section = Numbered("L", l);
            TLayout* layout = doc_.DefaultLayout();
            if (l > 0) {
                std::string name = ini_.ReadString(section, "Name", Numbered("Layout ", l));
                std::string title = ini_.ReadString(section, "WndTitle", "");
                std::string application = ini_.ReadString(section, "Application", "");
                layout = doc_.AddLayout(std::move(name), std::move(title), std::move(application));
            }
            doc_.SetCurLayout(layout);
            const int items = Bounded(ini_.ReadInteger(section, "ActCount", 0), itemBudget);
            itemBudget -= items;
            for (int a = 0; a < items; ++a)
                ReadItem(layout, section + Numbered("A", a), a);
        }
        doc_.SetCurLayout(doc_.DefaultLayout());
    }

    int SkippedTriggers() const { return skipped_; }

private:
    std::int64_t NodeLimit() const { return std::min(entries_, kMaxNodes); }

    // The name of a version-3 entry comes from elsewhere; `knownName` is then set.
    void ReadEntry(const std::string& section, const std::string& defaultName, const TreeKeys& keys,
                   const std::string* knownName) {
        std::string name = knownName ? *knownName : ini_.ReadString(section, "Name", defaultName);
        TCommandNode* node = nullptr;
        if (ini_.ReadInteger(section, "Level", 0) != 0) {
            // A command ahead of every remote still needs one to live in.
            if (!lastRemote_)
                lastRemote_ = doc_.AddRemote(defaultName);
            node = doc_.AddCommand(lastRemote_, std::move(name));
        } else {
            node = doc_.AddRemote(std::move(name));
            lastRemote_ = node;
        }
        TCommand& record = *node->Data();
        record.Recognition = ini_.ReadBool(section, keys.recognition, true);
        record.Typematic = ini_.ReadBool(section, "Typematic", true);
        record.Sound = ini_.ReadString(section, "Sound", "");
        doc_.SetCode(record, DecodeCode(ini_.ReadString(section, keys.code, ""),
                                        ini_.ReadInteger(section, "Digits", 2)));
        fileNodes_.push_back(node);
    }

    void ReadItem(TLayout* layout, const std::string& section, int a) {
        TAction* item =
            doc_.AddAction(layout, ini_.ReadString(section, "Name", Numbered("Action ", a)));
        item->TrigEn = ini_.ReadInteger(section, "TrigEn", 0);
        item->TrigType = ini_.ReadInteger(section, "TrigType", 0);
        item->AllAtOnce = ini_.ReadBool(section, "AllAtOnce", false);
        item->CurrentIndex = 0;
        // Each entry has a line of its own, so a count beyond the section's lines is not real.
        const std::int64_t lines = ini_.LineCount(section);
        const int strings = Bounded(ini_.ReadInteger(section, "ActCount", 0), lines);
        for (int k = 0; k < strings; ++k)
            item->ActionStrings.push_back(ini_.ReadString(section, Numbered("A", k), ""));
        const int triggers = Bounded(ini_.ReadInteger(section, "TrigCount", 0), lines);
        for (int k = 0; k < triggers; ++k) {
            const std::int32_t index = ini_.ReadInteger(section, Numbered("TC", k), -1);
            const TCommandNode* node =
                index >= 0 && static_cast<std::size_t>(index) < fileNodes_.size()
                    ? fileNodes_[static_cast<std::size_t>(index)]
                    : nullptr;
            const std::int64_t adds =
                node ? (node->IsRemote() ? static_cast<std::int64_t>(node->Children().size()) : 1)
                     : 0;
            if (!node || triggerEntries_ + adds > kMaxTriggerEntries) {
                ++skipped_;
                continue;
            }
            triggerEntries_ += adds;
            doc_.AddTrigger(item, node);
        }
    }

    TBufferedIniFileEx& ini_;
    TDocument& doc_;
    std::int64_t entries_ = 0; // sections and lines of the file
    TCommandNode* lastRemote_ = nullptr;
    std::vector<TCommandNode*> fileNodes_; // the node made for each entry, in file order
    std::int64_t triggerEntries_ = 0;
    int skipped_ = 0;
};

// What a file stores of a record; its place in the tree and its links stay.
void CopyLearned(const TCommand& from, TDocument& document, TCommand& to) {
    document.SetCode(to, TCode(from.Code()));
    to.Recognition = from.Recognition;
    to.Typematic = from.Typematic;
    to.Sound = from.Sound;
}

// Reads the document out of the loaded file; the layouts only when asked for.
TConfigLoadResult Read(TBufferedIniFileEx& ini, TDocument::NameSource defaultLayoutName,
                       bool withLayouts) {
    TConfigLoadResult result;
    const std::int32_t version = ini.ReadInteger(kInfo, "Version", 3);
    if ((version != 3 && version != 4) ||
        (version == 3 && ini.ReadInteger("Config", "NumComandos", -1) == -1)) {
        result.Status = TConfigLoadStatus::NotConfig;
        return result;
    }
    auto doc = std::make_unique<TDocument>(std::move(defaultLayoutName));
    Reader reader(ini, *doc);
    reader.ReadTree(version);
    if (version == 4 && withLayouts)
        reader.ReadLayouts();
    // The codes read go side by side in recognition order, in exactly the room they need.
    doc->RecognitionCodes();
    doc->SetModified(false);
    result.Status = TConfigLoadStatus::Loaded;
    result.Document = std::move(doc);
    result.SkippedTriggers = reader.SkippedTriggers();
    return result;
}

TConfigLoadResult LoadFile(const std::string& path, TDocument::NameSource defaultLayoutName,
                           bool withLayouts) {
    TConfigLoadResult result;
    TBufferedIniFileEx ini;
    try {
        if (path.empty() || !ini.LoadFile(path))
            return result; // Missing
    } catch (const EIniFileError& e) {
        result.Status = TConfigLoadStatus::Unreadable;
        result.Error = e.Error();
        return result;
    }
    return Read(ini, std::move(defaultLayoutName), withLayouts);
}

} // namespace

TConfigLoadResult ParseConfig(std::string_view bytes, TDocument::NameSource defaultLayoutName) {
    TBufferedIniFileEx ini;
    ini.LoadFromText(bytes);
    return Read(ini, std::move(defaultLayoutName), true);
}

TConfigLoadResult LoadConfigFile(const std::string& path, TDocument::NameSource defaultLayoutName) {
    return LoadFile(path, std::move(defaultLayoutName), true);
}

TConfigImportResult ImportConfigFile(const std::string& path, TDocument& document) {
    TConfigLoadResult loaded = LoadFile(path, {}, false);
    TConfigImportResult result{loaded.Status, std::move(loaded.Error), 0};
    if (loaded.Status != TConfigLoadStatus::Loaded)
        return result;
    for (const auto& remote : loaded.Document->Tree().Remotes()) {
        TCommandNode* target = document.AddRemote(remote->Text);
        CopyLearned(*remote->Data(), document, *target->Data());
        ++result.AddedNodes;
        for (const auto& command : remote->Children()) {
            TCommandNode* added = document.AddCommand(target, command->Text);
            CopyLearned(*command->Data(), document, *added->Data());
            ++result.AddedNodes;
        }
    }
    return result;
}

} // namespace tav
