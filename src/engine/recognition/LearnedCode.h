#pragma once
// What accepting the learn dialog stores in the command being learned.

#include "engine/document/Records.h"

namespace tav {

// The command takes the values of the shortest matching sample (the earliest of equally short
// ones); then every matching sample, in order, is averaged into them, so each later sample
// weighs as much as all earlier ones together. False, with `command` unchanged, when no sample
// matched.
bool StoreLearnedCode(const TLearnQueue& queue, TCommand& command);

} // namespace tav
