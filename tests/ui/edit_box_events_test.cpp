// Events of the real edit boxes under real keyboard input: the order when
// the focus moves, one TextChanged per write, the character filter, paste,
// and the normalisation when a box is left.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/control_host.h"
#include "core/converter.h"
#include "tests/ui/window_test_support.h"
#include "ui/control_event.h"
#include "ui/main_window.h"
#include "ui/window_registry.h"

namespace tessavor::test {
namespace {

using E = ControlEvent;
using EditBoxEvents = MainWindowTest;

// Puts the focus into the centimetre box with a real Tab press.
void TabIntoCentimetres() {
  PressKey(VK_TAB);
  ASSERT_EQ(GetFocus(), Box(CentimetreBoxId));
}

// Leaving a box reports its normalised text first, with the box's flag still
// 1, then the focus loss, then the new box's focus gain.
TEST_F(EditBoxEvents, FocusMoveReportsNormalisationThenFocusLostThenFocusGained) {
  TabIntoCentimetres();
  TypeText("2.50");
  EXPECT_EQ(TextOf(CentimetreBoxId), "2.50");
  EventLog().clear();
  PressKey(VK_TAB);
  ASSERT_EQ(LoggedKeys(), (std::vector<EventKey>{{CentimetreBoxId, E::TextChanged},
                                                 {PixelBoxId, E::TextChanged},
                                                 {CentimetreBoxId, E::FocusLost},
                                                 {PixelBoxId, E::FocusGained}}));
  EXPECT_EQ(EventLog()[0].text, "2.5");
  EXPECT_EQ(EventLog()[0].centimetreFlag, 1);
  EXPECT_EQ(EventLog()[2].centimetreFlag, 1);
  EXPECT_EQ(EventLog()[3].centimetreFlag, 0);
  EXPECT_EQ(TextOf(CentimetreBoxId), "2.5");
  EXPECT_EQ(TextOf(PixelBoxId), "70.86614173229");
  EXPECT_EQ(GetFocus(), Box(PixelBoxId));
  EXPECT_EQ(pixelBoxFocused, 1);
}

TEST_F(EditBoxEvents, LeavingANormalTextReportsOnlyTheFocusLoss) {
  TabIntoCentimetres();
  TypeText("72");
  EventLog().clear();
  PressKey(VK_TAB);
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{CentimetreBoxId, E::FocusLost}, {PixelBoxId, E::FocusGained}}));
  EXPECT_EQ(TextOf(CentimetreBoxId), "72");
}

// Each accepted keystroke changes the text once; every write raises exactly
// one TextChanged whose handler already sees the new text.
TEST_F(EditBoxEvents, EachKeystrokeReportsOneTextChanged) {
  TabIntoCentimetres();
  EventLog().clear();
  TypeText("45.-");
  const std::vector<EventKey> four(4, EventKey{CentimetreBoxId, E::TextChanged});
  std::vector<EventKey> centimetreEvents;
  for (const LoggedEvent& event : EventLog()) {
    if (event.control == CentimetreBoxId) centimetreEvents.push_back({event.control, event.event});
  }
  EXPECT_EQ(centimetreEvents, four);
  EXPECT_EQ(TextOf(CentimetreBoxId), "45.-");
  // Backspace on an empty box changes nothing and reports nothing.
  SetFocus(Box(PixelBoxId));
  SetText(PixelBoxId, "");
  EventLog().clear();
  PressKey(VK_BACK);
  EXPECT_TRUE(EventLog().empty());
}

struct WriteCase {
  const char* before;
  const char* written;
};

TEST_F(EditBoxEvents, EveryWriteDeliversExactlyOneTextChangedAlsoForTheSameText) {
  const WriteCase cases[] = {{"", ""}, {"5", "5"}, {"5", "6"}, {"", "12.5"}, {"12.5", ""}};
  for (const WriteCase& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.before << "\" -> \"" << c.written << '"');
    SetText(CentimetreBoxId, c.before);
    EventLog().clear();
    WriteControlText(MainWindowId, CentimetreBoxId, c.written);
    ASSERT_EQ(LoggedKeys(), (std::vector<EventKey>{{CentimetreBoxId, E::TextChanged}}));
    EXPECT_EQ(EventLog()[0].text, c.written);
    Pump();
    EXPECT_EQ(EventLog().size(), 1u);
  }
}

// The resolution handler's two writes always report both length boxes, in
// order, even when they are empty already.
TEST_F(EditBoxEvents, ResolutionChangeReportsBothLengthBoxesInOrder) {
  EventLog().clear();
  TypeText("0");
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{ResolutionBoxId, E::TextChanged},
                                                 {CentimetreBoxId, E::TextChanged},
                                                 {PixelBoxId, E::TextChanged}}));
  EXPECT_EQ(TextOf(ResolutionBoxId), "072");
}

TEST_F(EditBoxEvents, ReadingAnEmptyBoxGivesNoneAndRaisesNothing) {
  EventLog().clear();
  EXPECT_EQ(ReadControlText(MainWindowId, CentimetreBoxId), std::nullopt);
  EXPECT_EQ(ReadControlText(MainWindowId, ResolutionBoxId), std::optional<std::string>("72"));
  EXPECT_TRUE(EventLog().empty());
}

TEST_F(EditBoxEvents, TextOperationsOnAWindowNotBuiltAreFatal) {
  const std::string notLoaded =
      "\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCB\xF9\xD4\xDA\xB5\xC4"
      "\xB4\xB0\xBF\xDA";  // 未载入欲访问窗口组件所在的窗口
  for (const std::uint32_t unbuilt : {0x52010002u, 0u}) {
    SCOPED_TRACE(unbuilt);
    try {
      ReadControlText(unbuilt, CentimetreBoxId);
      ADD_FAILURE() << "reading returned";
    } catch (const FatalErrorReported& fatal) {
      EXPECT_EQ(fatal.message, notLoaded);
      EXPECT_EQ(fatal.code, 0);
    }
    try {
      WriteControlText(unbuilt, CentimetreBoxId, "1");
      ADD_FAILURE() << "writing returned";
    } catch (const FatalErrorReported& fatal) {
      EXPECT_EQ(fatal.message, notLoaded);
    }
  }
  // Once destroyed, the main window counts as not built either.
  SetFocus(Box(ResolutionBoxId));
  DestroyWindow(window);
  EXPECT_THROW(ReadControlText(MainWindowId, CentimetreBoxId), FatalErrorReported);
}

TEST_F(EditBoxEvents, FilterDropsEverythingButDigitsMinusAndPoint) {
  TabIntoCentimetres();
  EventLog().clear();
  TypeText("1a,+ 2-.e.-");
  EXPECT_EQ(TextOf(CentimetreBoxId), "12-..-");
  std::size_t changes = 0;
  for (const LoggedEvent& event : EventLog()) {
    if (event.control == CentimetreBoxId && event.event == E::TextChanged) ++changes;
  }
  EXPECT_EQ(changes, 6u);
}

// Paste is not filtered; the normalisation cleans it up on leaving.
TEST_F(EditBoxEvents, PastedTextIsNotFilteredButNormalisedOnLeaving) {
  TabIntoCentimetres();
  SetClipboardText("12abc");
  EventLog().clear();
  PressKeyWith(VK_CONTROL, 'V');
  EXPECT_EQ(TextOf(CentimetreBoxId), "12abc");
  ASSERT_FALSE(EventLog().empty());
  EXPECT_EQ(LoggedKeys()[0], (EventKey{CentimetreBoxId, E::TextChanged}));
  PressKey(VK_TAB);
  EXPECT_EQ(TextOf(CentimetreBoxId), "12");
}

struct NormalisationCase {
  const char* text;
  const char* normal;
};

// The box is left with Tab; a changed text is reported once, before the
// focus loss, and an unchanged one not at all.
TEST_F(EditBoxEvents, LeavingABoxNormalisesItsText) {
  const NormalisationCase cases[] = {
      {"0", ""},
      {"0.0", ""},
      {"007", "7"},
      {"5.", "5"},
      {".5", "0.5"},
      {"-", ""},
      {"-.", ""},
      {"12abc", "12"},
      {"1e3", "1000"},
      {"1d3", "1000"},
      {"1e-5", "1e-005"},
      {"1e999", "1.#INF"},
      {"-0", ""},
      {"1234567890.123456", "1234567890.123"},
      {"\xA3\xB7\xA3\xB2" /* ７２ */, "72"},
      {"72", "72"},
      {"", ""},
  };
  for (const NormalisationCase& c : cases) {
    SCOPED_TRACE(c.normal);
    SetFocus(Box(PixelBoxId));
    SetText(PixelBoxId, c.text);
    Pump();
    EventLog().clear();
    PressKey(VK_TAB);
    EXPECT_EQ(TextOf(PixelBoxId), c.normal);
    std::vector<EventKey> expected;
    if (std::string(c.text) != c.normal) {
      expected = {{PixelBoxId, E::TextChanged}, {CentimetreBoxId, E::TextChanged}};
    }
    expected.push_back({PixelBoxId, E::FocusLost});
    expected.push_back({ResolutionBoxId, E::FocusGained});
    EXPECT_EQ(LoggedKeys(), expected);
  }
}

// Full-width digits keep their value: the other box is not recomputed from
// an erased text.
TEST_F(EditBoxEvents, PastedFullWidthDigitsKeepTheirValue) {
  TabIntoCentimetres();
  SetClipboardText("\xA3\xB7\xA3\xB2" /* ７２ */);
  PressKeyWith(VK_CONTROL, 'V');
  const std::string pixels = TextOf(PixelBoxId);
  EXPECT_EQ(pixels, "2040.94488189");
  PressKey(VK_TAB);
  EXPECT_EQ(TextOf(CentimetreBoxId), "72");
  EXPECT_EQ(TextOf(PixelBoxId), pixels);
}

// A press in the band above the text line neither moves the caret nor the focus.
TEST_F(EditBoxEvents, ClickInTheBandDoesNotTakeTheFocus) {
  RECT line;
  GetClientRect(Box(CentimetreBoxId), &line);
  MapWindowPoints(Box(CentimetreBoxId), nullptr, reinterpret_cast<POINT*>(&line), 2);
  ClickAt(POINT{line.left + 20, line.top - 1});
  EXPECT_EQ(GetFocus(), Box(ResolutionBoxId));
  ClickAt(POINT{line.left + 20, line.top + 5});
  EXPECT_EQ(GetFocus(), Box(CentimetreBoxId));
}

}  // namespace
}  // namespace tessavor::test
