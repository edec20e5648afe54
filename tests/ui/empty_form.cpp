// An empty form description for a test program: the description cannot be
// read at start-up.
#include "ui/form_description.h"

namespace tessavor {

std::span<const FormDescription> FormDescriptions() { return {}; }

}  // namespace tessavor
