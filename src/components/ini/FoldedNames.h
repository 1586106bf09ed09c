#pragma once
// Positions of names that compare without regard to letter case, one per name, found through
// a hash of the folded name. Neither storing nor finding a name makes a folded copy of it, and
// the table is one flat array, so an index over hundreds of thousands of names costs no
// allocation per name.

#include "framework/Text.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tav {

// Equal for any two texts that AnsiSameText calls equal.
std::uint32_t FoldedHash(std::string_view s);

// AnsiSameText, quicker for texts of the same letter case, which nearly every lookup compares.
inline bool SameFoldedText(std::string_view a, std::string_view b) {
    return a.size() == b.size() && (a == b || AnsiSameText(a, b));
}

class TFoldedNames {
public:
    struct Placed {
        int& position; // stored for the name: the new one, or the one that was there
        bool added;
    };

    void Clear() {
        slots_.clear();
        count_ = 0;
    }
    // Makes room for `names` names in all, so that storing them moves nothing.
    void Reserve(std::size_t names);

    // The position stored for `name`, or -1. `nameAt` gives the name of a stored position.
    template <class NameAt> int Find(std::string_view name, NameAt nameAt) const {
        if (slots_.empty())
            return -1;
        const std::uint32_t hash = FoldedHash(name);
        for (std::size_t i = Home(hash);; i = (i + 1) & (slots_.size() - 1)) {
            const Slot& slot = slots_[i];
            if (slot.position < 0)
                return -1;
            if (slot.hash == hash && SameFoldedText(nameAt(slot.position), name))
                return slot.position;
        }
    }

    // Stores `position` for `name` unless the name has a position already.
    template <class NameAt> Placed Emplace(std::string_view name, int position, NameAt nameAt) {
        Reserve(count_ + 1);
        const std::uint32_t hash = FoldedHash(name);
        for (std::size_t i = Home(hash);; i = (i + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[i];
            if (slot.position < 0) {
                slot = {hash, position};
                ++count_;
                return {slot.position, true};
            }
            if (slot.hash == hash && SameFoldedText(nameAt(slot.position), name))
                return {slot.position, false};
        }
    }

private:
    struct Slot {
        std::uint32_t hash = 0;
        int position = -1;
    };

    std::size_t Home(std::uint32_t hash) const;
    void Rehash(std::size_t size);

    std::vector<Slot> slots_; // a power of two in size, at most half used
    std::size_t count_ = 0;
};

} // namespace tav
