// The start-up hook of the test programs that keep the program's own: empty.
#include "app/lifecycle.h"

namespace tessavor {

void InitGlobals() {}

}  // namespace tessavor
