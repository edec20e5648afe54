// The model of one edit box: how a pasted GBK text becomes characters, and
// the edits on characters and selection.
#include "tests/model/model_box.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/model/edit_characters.h"

namespace tessavor::model {
namespace {

using Characters = std::vector<std::string>;

struct SplitCase {
  const char* bytes;
  Characters characters;
};

TEST(EditCharacters, PairsLeadAndTrailBytesAndTurnsALoneLeadIntoTheDefaultCharacter) {
  const SplitCase cases[] = {
      {"12.5", {"1", "2", ".", "5"}},
      // Pairs, with trail bytes from the ASCII range and from the lead range.
      {"\xD6\xD0" "1", {"\xD6\xD0", "1"}},
      {"\x81\x40\xA0\x5C", {"\x81\x40", "\xA0\x5C"}},
      {"\xA3\xB1\xB0\xA1", {"\xA3\xB1", "\xB0\xA1"}},
      // 0x80 stands alone; control characters are characters.
      {"\x80\x01\x09\x7F", {"\x80", "\x01", "\x09", "\x7F"}},
      // A lead byte at the very end.
      {"1\x81", {"1", "?"}},
      {"\xFE", {"?"}},
      {"\xB0\xA1\xB0", {"\xB0\xA1", "?"}},
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(EditCharacters(c.bytes), c.characters);
  }
}

TEST(EditCharacters, LeadAndTrailRanges) {
  EXPECT_FALSE(IsLeadByte(0x80));
  EXPECT_TRUE(IsLeadByte(0x81));
  EXPECT_TRUE(IsLeadByte(0xFE));
  EXPECT_FALSE(IsLeadByte(0xFF));
  EXPECT_FALSE(IsTrailByte(0x3F));
  EXPECT_TRUE(IsTrailByte(0x40));
  EXPECT_TRUE(IsTrailByte(0x7E));
  EXPECT_FALSE(IsTrailByte(0x7F));
  EXPECT_TRUE(IsTrailByte(0x80));
  EXPECT_TRUE(IsTrailByte(0xFE));
  EXPECT_FALSE(IsTrailByte(0xFF));
}

ModelBox BoxWith(const char* text, std::size_t start, std::size_t end) {
  ModelBox box;
  box.characters = EditCharacters(text);
  box.selectionStart = start;
  box.selectionEnd = end;
  return box;
}

struct EditCase {
  const char* name;
  const char* text;
  std::size_t start, end;
  bool (*edit)(ModelBox&);
  const char* after;
  std::size_t caret;
  bool changed;
};

bool TypeSeven(ModelBox& box) { return ReplaceSelection(box, {"7"}); }

TEST(ModelBox, EditsActOnTheSelectionOrBesideTheCaret) {
  const EditCase cases[] = {
      {"type at the caret", "12", 1, 1, TypeSeven, "172", 2, true},
      {"type over a selection", "1234", 1, 3, TypeSeven, "174", 2, true},
      {"type into an empty box", "", 0, 0, TypeSeven, "7", 1, true},
      {"backspace before the caret", "123", 2, 2, DeleteBackward, "13", 1, true},
      {"backspace at the start", "123", 0, 0, DeleteBackward, "123", 0, false},
      {"backspace on a selection", "1234", 0, 4, DeleteBackward, "", 0, true},
      {"backspace takes a whole double-byte character", "1\xD6\xD0", 2, 2, DeleteBackward, "1", 1, true},
      {"delete after the caret", "123", 1, 1, DeleteForward, "13", 1, true},
      {"delete at the end", "123", 3, 3, DeleteForward, "123", 3, false},
      {"delete on a selection", "1234", 1, 2, DeleteForward, "134", 1, true},
      {"delete in an empty box", "", 0, 0, DeleteForward, "", 0, false},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    ModelBox box = BoxWith(c.text, c.start, c.end);
    EXPECT_EQ(c.edit(box), c.changed);
    EXPECT_EQ(TextOf(box), c.after);
    EXPECT_EQ(box.selectionStart, c.caret);
    EXPECT_EQ(box.selectionEnd, c.caret);
  }
}

TEST(ModelBox, PasteInsertsCharactersAtTheCaret) {
  ModelBox box = BoxWith("12", 1, 1);
  EXPECT_TRUE(ReplaceSelection(box, EditCharacters("\xA3\xB7" "5\x81")));
  EXPECT_EQ(TextOf(box), "1\xA3\xB7" "5?2");
  EXPECT_EQ(box.selectionStart, 4u);
}

TEST(ModelBox, CaretKeysAndSelectAll) {
  ModelBox box = BoxWith("1\xD6\xD0" "3", 1, 1);
  MoveCaretEnd(box);
  EXPECT_EQ(box.selectionStart, 3u);
  EXPECT_EQ(box.selectionEnd, 3u);
  MoveCaretHome(box);
  EXPECT_EQ(box.selectionEnd, 0u);
  SelectAll(box);
  EXPECT_EQ(box.selectionStart, 0u);
  EXPECT_EQ(box.selectionEnd, 3u);
}

TEST(ModelBox, AWriteReplacesTheTextAndPutsTheCaretAtTheStart) {
  ModelBox box = BoxWith("\xD6\xD0" "99", 3, 3);
  box.caretUncertain = true;
  ReplaceText(box, "28.34645669292");
  EXPECT_EQ(TextOf(box), "28.34645669292");
  EXPECT_EQ(box.characters.size(), 14u);
  EXPECT_EQ(box.selectionStart, 0u);
  EXPECT_EQ(box.selectionEnd, 0u);
  EXPECT_FALSE(box.caretUncertain);
}

struct NormalisedCaretCase {
  const char* name;
  const char* before;
  std::size_t start, end;
  bool uncertainBefore;
  const char* after;
  std::size_t caret;
  bool uncertain;
};

TEST(ModelBox, CaretAfterNormalisationGoesToTheOldSelectionStart) {
  const NormalisedCaretCase cases[] = {
      {"inside the new text", "007", 2, 2, false, "7", 1, false},
      {"beyond the new text", "2.50", 4, 4, false, "2.5", 3, false},
      {"from a selection's start", "5.", 1, 2, false, "5", 1, false},
      // Characters and bytes agree when only single bytes stand before it.
      {"double-byte after the caret", "12\xA3\xB5", 1, 1, false, "125", 1, false},
      // 2 characters but 3 bytes before the caret: both reach past the new
      // text's end, so both platforms put the caret there.
      {"double-byte before, both beyond the end", "1\xA3\xB5", 2, 2, false, "15", 2, false},
      // 3 characters but 4 bytes, both inside the new text: the platforms
      // differ.
      {"double-byte before, both inside", "\xA3\xB5" "123456", 3, 3, false, "5123456", 3, true},
      {"uncertain stays uncertain", "0012", 4, 4, true, "12", 2, true},
      {"uncertain ends with an empty text", "0", 1, 1, true, "", 0, false},
  };
  for (const NormalisedCaretCase& c : cases) {
    SCOPED_TRACE(c.name);
    ModelBox before = BoxWith(c.before, c.start, c.end);
    before.caretUncertain = c.uncertainBefore;
    ModelBox box = before;
    ReplaceText(box, c.after);
    PlaceCaretAfterNormalisation(box, before);
    EXPECT_EQ(box.selectionStart, c.caret);
    EXPECT_EQ(box.selectionEnd, c.caret);
    EXPECT_EQ(box.caretUncertain, c.uncertain);
  }
}

}  // namespace
}  // namespace tessavor::model
