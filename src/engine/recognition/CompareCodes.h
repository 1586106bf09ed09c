#pragma once
// Whether a received code matches a stored one under the recognition settings.

#include "engine/document/Code.h"
#include "engine/document/CodeStore.h"

#include <cstdint>
#include <span>

namespace tav {

struct TCompareSettings {
    int SkipFirst = 0;   // leading values not compared
    int Tolerance = 20;  // absolute, the same for every value
    int LengthLimit = 0; // highest index compared; 0 = no limit
    bool Binary = false; // compare by threshold instead of tolerance
    int BinaryThreshold = 0;
    bool SameLength = false; // codes of different length never match
};

bool CompareCodes(const TCompareSettings& settings, std::span<const std::int32_t> stored,
                  std::span<const std::int32_t> received);
// The first command in recognition order whose code matches and whose recognition is on;
// nullptr when there is none.
TCommand* FirstMatchingCommand(const TCompareSettings& settings, const TCodeStore& codes,
                               std::span<const std::int32_t> received);

} // namespace tav
