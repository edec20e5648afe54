// The start-up and end hooks. The program keeps no globals that need set-up
// (the converter's flags start at 0) and nothing to save at the end; the
// hooks mark the two places where such work would go.
#include "app/lifecycle.h"

namespace tessavor {

void InitGlobals() {}

void OnProgramEnd() {}

}  // namespace tessavor
