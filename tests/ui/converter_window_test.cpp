// The converter driven through the real boxes: typed lengths convert at the
// typed resolution, and the road of one keystroke through the nested events.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/converter.h"
#include "tests/ui/window_test_support.h"
#include "ui/control_event.h"

namespace tessavor::test {
namespace {

using E = ControlEvent;
using ConverterInWindow = MainWindowTest;

// Replaces the resolution box's text the way a user does: select it all and
// type over it, or delete it. A "1" typed first makes sure the text changes.
void TypeResolution(const char* resolution) {
  SetFocus(Box(ResolutionBoxId));
  SendMessageA(Box(ResolutionBoxId), EM_SETSEL, 0, -1);
  TypeText("1");
  SendMessageA(Box(ResolutionBoxId), EM_SETSEL, 0, -1);
  if (*resolution == '\0') {
    PressKey(VK_DELETE);
  } else {
    TypeText(resolution);
  }
  ASSERT_EQ(TextOf(ResolutionBoxId), resolution);
}

struct Conversion {
  const char* resolution;
  std::uint32_t typedInto;
  const char* typed;
  std::uint32_t shownIn;
  const char* shown;
};

TEST_F(ConverterInWindow, TypedLengthsConvertAtTheTypedResolution) {
  const Conversion conversions[] = {
      {"72", CentimetreBoxId, "1", PixelBoxId, "28.34645669292"},
      {"96", CentimetreBoxId, "5.69", PixelBoxId, "215.0551181103"},
      {"72", CentimetreBoxId, "193.16", PixelBoxId, "5475.401574803"},
      {"96", PixelBoxId, "1920", CentimetreBoxId, "50.8"},
      {"72", PixelBoxId, "100", CentimetreBoxId, "3.527777777778"},
      {"", PixelBoxId, "1", CentimetreBoxId, "1.#INF"},
      {"", PixelBoxId, "-5", CentimetreBoxId, "-1.#INF"},
      {"", PixelBoxId, "0", CentimetreBoxId, "-1.#IND"},
      {"", CentimetreBoxId, "1", PixelBoxId, "0"},
  };
  for (const Conversion& c : conversions) {
    SCOPED_TRACE(testing::Message() << c.typed << " at \"" << c.resolution << '"');
    TypeResolution(c.resolution);
    // A new resolution empties both length boxes.
    EXPECT_EQ(TextOf(CentimetreBoxId), "");
    EXPECT_EQ(TextOf(PixelBoxId), "");
    PressKey(VK_TAB);
    if (c.typedInto == PixelBoxId) PressKey(VK_TAB);
    ASSERT_EQ(GetFocus(), Box(c.typedInto));
    TypeText(c.typed);
    EXPECT_EQ(TextOf(c.typedInto), c.typed);
    EXPECT_EQ(TextOf(c.shownIn), c.shown);
  }
}

// Typing 5 into 厘米 at 72: its TextChanged converts, the write into 像素
// delivers that box's TextChanged inside it, which does nothing.
TEST_F(ConverterInWindow, OneKeystrokeConvertsOnceWithANestedTextChanged) {
  PressKey(VK_TAB);
  EXPECT_EQ(centimetreBoxFocused, 1);
  EventLog().clear();
  TypeText("5");
  ASSERT_EQ(LoggedKeys(), (std::vector<EventKey>{{CentimetreBoxId, E::TextChanged}, {PixelBoxId, E::TextChanged}}));
  EXPECT_EQ(EventLog()[0].text, "5");
  EXPECT_EQ(EventLog()[1].text, "141.7322834646");
  EXPECT_EQ(EventLog()[1].pixelFlag, 0);
  EXPECT_EQ(TextOf(PixelBoxId), "141.7322834646");
  EXPECT_EQ(TextOf(CentimetreBoxId), "5");
}

// Leaving 厘米 holding 0 empties it while its flag is still 1, so 像素 shows
// the conversion of 0.
TEST_F(ConverterInWindow, LeavingAZeroEmptiesTheBoxAndConvertsZero) {
  PressKey(VK_TAB);
  TypeText("0");
  EXPECT_EQ(TextOf(PixelBoxId), "0");
  SetText(PixelBoxId, "");
  PressKey(VK_TAB);
  EXPECT_EQ(TextOf(CentimetreBoxId), "");
  EXPECT_EQ(TextOf(PixelBoxId), "0");
}

// "72.0" is normalised on leaving, which counts as a resolution change.
TEST_F(ConverterInWindow, NormalisingTheResolutionEmptiesTheLengthsAgain) {
  SendMessageA(Box(ResolutionBoxId), EM_SETSEL, 2, 2);
  TypeText(".0");
  ASSERT_EQ(TextOf(ResolutionBoxId), "72.0");
  SetText(CentimetreBoxId, "3");
  SetText(PixelBoxId, "4");
  EventLog().clear();
  PressKey(VK_TAB);
  EXPECT_EQ(TextOf(ResolutionBoxId), "72");
  EXPECT_EQ(TextOf(CentimetreBoxId), "");
  EXPECT_EQ(TextOf(PixelBoxId), "");
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{ResolutionBoxId, E::TextChanged},
                                                 {CentimetreBoxId, E::TextChanged},
                                                 {PixelBoxId, E::TextChanged},
                                                 {ResolutionBoxId, E::FocusLost},
                                                 {CentimetreBoxId, E::FocusGained}}));
}

}  // namespace
}  // namespace tessavor::test
