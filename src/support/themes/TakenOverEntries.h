#pragma once
// The controls of one class that the theme manager took over, each with what it keeps of the
// control (its hold on its procedure in the control's chain). Kept sorted by the control's address
// as entries come, so a lookup is a binary search, and the last control found answers at once: a
// replacement procedure looks its control up on every message.

#include <algorithm>
#include <cstddef>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tav::themes {

template <class Control, class Saved> class TTakenOverEntries {
public:
    struct Entry {
        Control* Key;
        Saved SavedProc;
    };

    // False when `control` is in the list already.
    bool Add(Control* control, Saved saved) {
        auto it = LowerBound(control);
        if (control == nullptr || (it != entries_.end() && it->Key == control))
            return false;
        const auto index = static_cast<std::size_t>(it - entries_.begin());
        entries_.insert(it, {control, std::move(saved)});
        if (cachedIndex_ && *cachedIndex_ >= index) {
            cachedControl_ = nullptr;
            cachedIndex_.reset();
        }
        return true;
    }

    // The saved value of a control that was in the list; none when it was not.
    std::optional<Saved> Remove(const Control* control) {
        const std::optional<std::size_t> index = Find(control);
        if (!index)
            return std::nullopt;
        Saved saved = std::move(entries_[*index].SavedProc);
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*index));
        if (cachedIndex_ && *cachedIndex_ >= *index) {
            cachedControl_ = nullptr;
            cachedIndex_.reset();
        }
        return saved;
    }

    // The index of `control`'s entry.
    std::optional<std::size_t> Find(const Control* control) {
        if (control == nullptr)
            return std::nullopt;
        if (cachedIndex_ && cachedControl_ == control)
            return cachedIndex_;
        ++searches_;
        auto it = LowerBound(control);
        if (it == entries_.end() || it->Key != control)
            return std::nullopt;
        cachedControl_ = control;
        cachedIndex_ = static_cast<std::size_t>(it - entries_.begin());
        return cachedIndex_;
    }

    Saved* SavedFor(const Control* control) {
        const std::optional<std::size_t> index = Find(control);
        return index ? &entries_[*index].SavedProc : nullptr;
    }

    std::size_t Count() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    Control* ControlAt(std::size_t index) const { return entries_[index].Key; }

    // How often a lookup searched the list (the last control found is not searched for).
    int Searches() const { return searches_; }

private:
    typename std::vector<Entry>::iterator LowerBound(const Control* control) {
        return std::lower_bound(
            entries_.begin(), entries_.end(), control,
            [](const Entry& e, const Control* c) { return std::less<const Control*>()(e.Key, c); });
    }

    std::vector<Entry> entries_;
    const Control* cachedControl_ = nullptr;
    std::optional<std::size_t> cachedIndex_;
    int searches_ = 0;
};

} // namespace tav::themes
