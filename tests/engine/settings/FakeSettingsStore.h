#pragma once
// An in-memory store with the registry's case-blind names. A value can also be put in with a
// type no accessor reads (like binary data), and the whole store, or the writing of one value,
// can be made to fail.

#include "engine/settings/SettingsStore.h"
#include "framework/Text.h"

#include <map>
#include <stdexcept>
#include <variant>

namespace tav::test {

struct Binary {};
using StoredValue = std::variant<std::string, std::int32_t, Binary>;

struct CaseBlindLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return AnsiCompareText(a, b) < 0;
    }
};

class FakeSettingsStore : public SettingsStore {
public:
    std::map<std::string, StoredValue, CaseBlindLess> Values;
    std::vector<TSoundEntry> SoundList;
    bool Broken = false; // every raw operation throws
    int Writes = 0;
    int Reach = -1;      // writes after this many never arrive, as when the program is ended
    std::string Refused; // writing this value throws

    bool Has(const std::string& name) const { return Values.count(name) != 0; }
    const std::string* StringAt(const std::string& name) const {
        auto it = Values.find(name);
        return it == Values.end() ? nullptr : std::get_if<std::string>(&it->second);
    }
    const std::int32_t* IntegerAt(const std::string& name) const {
        auto it = Values.find(name);
        return it == Values.end() ? nullptr : std::get_if<std::int32_t>(&it->second);
    }

protected:
    std::optional<std::string> RawReadString(std::string_view name) override {
        return Load<std::string>(name);
    }
    std::optional<std::int32_t> RawReadInteger(std::string_view name) override {
        return Load<std::int32_t>(name);
    }
    void RawWriteString(std::string_view name, std::string_view value) override {
        Store(name, std::string(value));
    }
    void RawWriteInteger(std::string_view name, std::int32_t value) override { Store(name, value); }
    std::vector<TSoundEntry> RawReadSounds() override {
        Check();
        return SoundList;
    }
    void RawWriteSounds(const std::vector<TSoundEntry>& sounds) override {
        Check();
        SoundList = sounds;
    }

private:
    void Check() const {
        if (Broken)
            throw std::runtime_error("store unavailable");
    }
    template <typename T> std::optional<T> Load(std::string_view name) {
        Check();
        auto it = Values.find(std::string(name));
        if (it == Values.end())
            return std::nullopt;
        if (const T* value = std::get_if<T>(&it->second))
            return *value;
        throw std::runtime_error("wrong type");
    }
    void Store(std::string_view name, StoredValue value) {
        Check();
        if (AnsiSameText(name, Refused))
            throw std::runtime_error("access denied");
        if (Reach == 0)
            return;
        if (Reach > 0)
            --Reach;
        // Like the registry, an existing value keeps the spelling it was created with.
        auto it = Values.find(std::string(name));
        if (it == Values.end())
            Values.emplace(std::string(name), std::move(value));
        else
            it->second = std::move(value);
        ++Writes;
    }
};

} // namespace tav::test
