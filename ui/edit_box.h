// The numeric edit boxes: a system EDIT control subclassed for the one-line
// centred look, the character filter, the normalisation on focus loss and
// the translation of its notifications into control events.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

#include "ui/form_description.h"

namespace tessavor {

// Creates the box hidden, as a child of `parent` with child identifier
// `childId`, and gives it font, height, border and colours. Null on failure.
HWND CreateEditBox(HWND parent, std::uint32_t window, const ControlRecord& record, int childId);

// Replaces the text without passing on the control's own change notice, then
// delivers exactly one TextChanged for the box.
void WriteEditBoxText(HWND box, std::string_view text);

}  // namespace tessavor
