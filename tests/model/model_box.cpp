// The edits of a single-line edit box on its characters and selection.
#include "tests/model/model_box.h"

#include <algorithm>

namespace tessavor::model {

namespace {

void PlaceCaret(ModelBox& box, std::size_t at) {
  box.selectionStart = at;
  box.selectionEnd = at;
  box.caretUncertain = false;
}

// Removes the selected characters; whether there were any.
bool EraseSelection(ModelBox& box) {
  if (box.selectionStart == box.selectionEnd) return false;
  const auto first = box.characters.begin() + static_cast<std::ptrdiff_t>(box.selectionStart);
  box.characters.erase(first, box.characters.begin() + static_cast<std::ptrdiff_t>(box.selectionEnd));
  box.selectionEnd = box.selectionStart;
  return true;
}

std::size_t BytesBefore(const ModelBox& box, std::size_t position) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < position; ++i) bytes += box.characters[i].size();
  return bytes;
}

}  // namespace

std::string TextOf(const ModelBox& box) {
  std::string text;
  for (const std::string& character : box.characters) text += character;
  return text;
}

void ReplaceText(ModelBox& box, std::string_view text) {
  box.characters.clear();
  for (const char byte : text) box.characters.emplace_back(1, byte);
  PlaceCaret(box, 0);
}

bool ReplaceSelection(ModelBox& box, const std::vector<std::string>& inserted) {
  const bool erased = EraseSelection(box);
  const auto at = box.characters.begin() + static_cast<std::ptrdiff_t>(box.selectionStart);
  box.characters.insert(at, inserted.begin(), inserted.end());
  PlaceCaret(box, box.selectionStart + inserted.size());
  return erased || !inserted.empty();
}

bool DeleteBackward(ModelBox& box) {
  if (EraseSelection(box)) return true;
  if (box.selectionStart == 0) return false;
  --box.selectionStart;  // the caret's character becomes the selection
  return EraseSelection(box);
}

bool DeleteForward(ModelBox& box) {
  if (EraseSelection(box)) return true;
  if (box.selectionStart == box.characters.size()) return false;
  ++box.selectionEnd;
  return EraseSelection(box);
}

void MoveCaretHome(ModelBox& box) { PlaceCaret(box, 0); }

void MoveCaretEnd(ModelBox& box) { PlaceCaret(box, box.characters.size()); }

void SelectAll(ModelBox& box) {
  box.selectionStart = 0;
  box.selectionEnd = box.characters.size();
  box.caretUncertain = false;
}

void PlaceCaretAfterNormalisation(ModelBox& box, const ModelBox& before) {
  const std::size_t length = box.characters.size();
  const std::size_t inCharacters = std::min(before.selectionStart, length);
  const std::size_t inBytes = std::min(BytesBefore(before, before.selectionStart), length);
  PlaceCaret(box, inCharacters);
  // An uncertain old caret stays uncertain unless the new text is empty.
  box.caretUncertain = inCharacters != inBytes || (before.caretUncertain && length != 0);
}

}  // namespace tessavor::model
