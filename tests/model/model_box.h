// One single-line edit box as the user sees it: its characters and its
// selection, with the edits that keys, paste and text writes make. Positions
// count characters, as the edit control's own do under Wine.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tessavor::model {

struct ModelBox {
  std::vector<std::string> characters;  // each one or two GBK bytes
  // The selection, start <= end; an empty selection is the caret.
  std::size_t selectionStart = 0;
  std::size_t selectionEnd = 0;
  // Set when the caret's place depends on the platform (see
  // PlaceCaretAfterNormalisation); the walk then does not rely on it.
  bool caretUncertain = false;
};

std::string TextOf(const ModelBox& box);

// A write of the whole text (WM_SETTEXT): the caret goes to the start.
void ReplaceText(ModelBox& box, std::string_view text);

// Typing or pasting: the characters replace the selection and the caret
// follows them. Each returns whether the text changed, that is whether the
// control reports one change.
bool ReplaceSelection(ModelBox& box, const std::vector<std::string>& inserted);
// Backspace and Delete: the selection, or the character before (after) the
// caret.
bool DeleteBackward(ModelBox& box);
bool DeleteForward(ModelBox& box);

// Home, End and select-all (EM_SETSEL 0, -1) put the caret or selection at a
// place that does not depend on the past.
void MoveCaretHome(ModelBox& box);
void MoveCaretEnd(ModelBox& box);
void SelectAll(ModelBox& box);

// After the box rewrote itself on focus loss: the caret goes to where the
// old selection started, as far as the new text reaches. The control counts
// that place in characters under Wine but in bytes on Windows, so when a
// double-byte character stood before it the two can differ: then the caret
// is marked uncertain.
void PlaceCaretAfterNormalisation(ModelBox& box, const ModelBox& before);

}  // namespace tessavor::model
