// Random user actions for the model walk, from a seeded generator so that a
// seed names one walk.
#pragma once

#include <random>
#include <string>

#include "tests/model/model_window.h"
#include "tests/model/walk_action.h"

namespace tessavor::model {

using WalkRandom = std::mt19937_64;

// An action the model can take in `window`: reactivation while the window
// is inactive; End in place of an edit at an uncertain caret.
Action RandomAction(WalkRandom& random, const ModelWindow& window);

// A clipboard text of 1 to 2000 bytes: numbers in many shapes, full-width
// forms, GBK characters, control characters and long runs, sometimes ending
// in a lone lead byte. Never NUL, CR or LF.
std::string RandomPasteText(WalkRandom& random);

}  // namespace tessavor::model
