#pragma once
// A code: the values one press of a button sends, as an origin delivered them or as learned.
// It holds exactly as many values as it has, so that a document of many short codes stays small.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace tav {

// No code has more values than this; `LastIndex` is at most kLastCodeIndex.
inline constexpr int kCodeCapacity = 1001;
inline constexpr int kLastCodeIndex = kCodeCapacity - 1;

class TCode {
public:
    TCode() = default;
    // Values beyond the capacity are dropped.
    explicit TCode(std::span<const std::int32_t> values);
    TCode(std::initializer_list<std::int32_t> values)
        : TCode(std::span<const std::int32_t>(values.begin(), values.size())) {}

    std::int32_t LastIndex() const { return static_cast<std::int32_t>(values_.size()) - 1; }
    int Count() const { return static_cast<int>(values_.size()); }
    bool Empty() const { return values_.empty(); }
    bool Full() const { return values_.size() >= static_cast<std::size_t>(kCodeCapacity); }
    std::int32_t operator[](std::size_t index) const { return values_[index]; }
    std::span<const std::int32_t> Values() const { return values_; }
    operator std::span<const std::int32_t>() const { return values_; }

    // False, with nothing kept, when the code is full.
    bool Append(std::int32_t value);
    // The last value becomes `value`; an empty code gets it as its only value.
    void ReplaceLast(std::int32_t value);
    void Clear() { values_.clear(); }

    bool operator==(const TCode&) const = default;

private:
    std::vector<std::int32_t> values_;
};

} // namespace tav
