// Reducing a failing action sequence to a short one that still fails: first
// the shortest failing suffix of doubling length, then delta debugging
// (removing ever smaller chunks while the failure stays), first of the
// actions and then of the bytes of each pasted text.
#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "tests/model/walk_action.h"

namespace tessavor::model {

// Replays a candidate from a fresh state; true when it fails.
using FailureCheck = std::function<bool(const std::vector<Action>&)>;

struct ShrinkResult {
  std::vector<Action> actions;  // the shortest failing sequence found
  bool reproduced = false;      // whether any replay failed at all
  std::size_t replays = 0;
  std::size_t replayedActions = 0;
};

// Replays at most `actionBudget` actions in all; the sequence that `failing`
// ends with is tried in full only when no shorter suffix fails. Pasted texts
// lose whole characters only, so a double-byte character is never split.
ShrinkResult ShrinkFailure(const std::vector<Action>& failing, const FailureCheck& fails,
                           std::size_t actionBudget);

}  // namespace tessavor::model
