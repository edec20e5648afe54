// Labels: a window class of our own that paints its text and never takes
// the keyboard focus.
#pragma once

#include <windows.h>

#include "ui/form_description.h"

namespace tessavor {

// Creates the label hidden, as a child of `parent`. Null on failure.
HWND CreateLabel(HWND parent, const ControlRecord& record, int childId);

}  // namespace tessavor
