// The decimal input mode of the edit boxes: which typed characters a box
// accepts, and the normal form a box gives its text when it loses the focus.
#pragma once

#include <string>
#include <string_view>

namespace tessavor {

// Control characters (below 32) pass, so Backspace and the clipboard keys
// work; of the rest only digits, '-' and '.', wherever and however often.
bool IsAcceptedCharacter(unsigned code);

// The text a box holds after losing the focus: its number in the shown form,
// with "0" as the empty text. Read with the full-width fold, so a pasted
// "７２" keeps its value as "72" instead of being erased.
std::string NormalisedText(std::string_view text);

}  // namespace tessavor
