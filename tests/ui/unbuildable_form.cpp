// A form description for a test program that describes no main window, so
// the start-up window cannot be built.
#include "ui/form_description.h"

namespace tessavor {

namespace {

constexpr FormDescription Forms[] = {
    {{0x52010002, "Other", 50, 50, 303, 416, Border::FixedFrameClientEdge, true, true, false, true, true, true,
      SystemDefaultColour},
     {}},
};

}  // namespace

std::span<const FormDescription> FormDescriptions() { return Forms; }

}  // namespace tessavor
