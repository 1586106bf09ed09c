#pragma once
// What accepting the learn dialog stores in the command being learned.

#include "engine/document/Records.h"

#include <optional>

namespace tav {

// The values of the shortest matching sample (the earliest of equally short ones), into which
// every matching sample, in order, is then averaged, so each later sample weighs as much as all
// earlier ones together. Nothing when no sample matched.
std::optional<TCode> LearnedCode(const TLearnQueue& queue);

} // namespace tav
