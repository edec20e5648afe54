// The converter driven through the in-memory host, which delivers events the
// way the window does: conversions, the nesting of writes, the flags.
#include "core/converter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/memory_host.h"

namespace tessavor {
namespace {

namespace host = memory_host;
using host::Delivery;

constexpr std::uint32_t Res = ResolutionBoxId;
constexpr std::uint32_t Cm = CentimetreBoxId;
constexpr std::uint32_t Px = PixelBoxId;

class Converter : public ::testing::Test {
 protected:
  void SetUp() override { host::Reset(); }

  // The user sets the resolution, moves into a length box and enters a text.
  void Enter(const std::string& dpi, std::uint32_t box, const std::string& length) {
    host::MoveFocus(Res);
    host::Edit(Res, dpi);
    host::MoveFocus(box);
    host::Edit(box, length);
  }
};

struct ConversionCase {
  const char* dpi;
  std::uint32_t box;
  const char* length;
  const char* other;
};

// The texts the other box shows; the comments say what exact arithmetic
// or plain doubles would have shown instead.
constexpr ConversionCase Conversions[] = {
    {"72", Cm, "1", "28.34645669292"},           // the exact 1/2.54 gives ...291
    {"96", Cm, "5.69", "215.0551181103"},        // plain doubles: ...1102
    {"72", Cm, "193.16", "5475.401574803"},      // plain doubles: ...804
    {"2", Cm, "1e308", "7.874015748032e+307"},   // 2e308 exists only in extended
    {"72", Cm, "2.54", "72"},
    {"72", Cm, "5", "141.7322834646"},
    {"72", Px, "72", "2.54"},
    {"72", Px, "100", "3.527777777778"},
    {"96", Px, "1920", "50.8"},
    // An empty resolution reads as 0: division by zero shows its text.
    {"", Px, "1", "1.#INF"},
    {"", Px, "-5", "-1.#INF"},
    {"", Px, "0", "-1.#IND"},
    {"", Px, "", "-1.#IND"},
    {"", Px, "abc", "-1.#IND"},
    {"", Cm, "1", "0"},
    {"", Cm, "-1", "0"},
    // Infinity and NaN operands go through the arithmetic like any value.
    {"72", Cm, "1e400", "1.#INF"},
    {"0", Cm, "1e400", "-1.#IND"},
    {"1e400", Px, "1e400", "-1.#IND"},
    {"72", Cm, "-1e400", "-1.#INF"},
    // Full-width digits and junk after the number, as pasted.
    {"\xA3\xB7\xA3\xB2", Px, "72", "2.54"},  // ７２
    {"72", Cm, "10\xC0\xE5\xC3\xD7", "283.4645669292"},  // 10厘米
};

TEST_F(Converter, OtherBoxShowsExactResult) {
  for (const ConversionCase& c : Conversions) {
    SCOPED_TRACE(std::string("dpi [") + c.dpi + "] " + (c.box == Cm ? "cm [" : "px [") + c.length + "]");
    host::Reset();
    Enter(c.dpi, c.box, c.length);
    EXPECT_EQ(host::Text(c.box == Cm ? Px : Cm), c.other);
    EXPECT_EQ(host::Text(c.box), c.length) << "the converter never writes the box being edited";
  }
}

TEST_F(Converter, KeystrokesNestOneWriteIntoTheOtherBox) {
  host::MoveFocus(Cm);
  EXPECT_EQ(centimetreBoxFocused, 1);
  EXPECT_EQ(pixelBoxFocused, 0);
  const std::size_t before = host::Log().size();
  host::Edit(Cm, "5");
  const std::vector<Delivery> expected = {{Cm, host::TextChanged}, {Px, host::TextChanged}};
  EXPECT_EQ(std::vector<Delivery>(host::Log().begin() + static_cast<long>(before), host::Log().end()), expected);
  EXPECT_EQ(host::Text(Px), "141.7322834646");
}

TEST_F(Converter, ResolutionChangeEmptiesBothLengthsAndRecomputesNothing) {
  Enter("72", Cm, "1");
  ASSERT_EQ(host::Text(Px), "28.34645669292");
  host::MoveFocus(Res);
  const std::size_t before = host::Log().size();
  host::Edit(Res, "96");
  const std::vector<Delivery> expected = {
      {Res, host::TextChanged}, {Cm, host::TextChanged}, {Px, host::TextChanged}};
  EXPECT_EQ(std::vector<Delivery>(host::Log().begin() + static_cast<long>(before), host::Log().end()), expected);
  EXPECT_EQ(host::Text(Cm), "");
  EXPECT_EQ(host::Text(Px), "");
  // The next edit uses the new resolution.
  host::MoveFocus(Px);
  host::Edit(Px, "1920");
  EXPECT_EQ(host::Text(Cm), "50.8");
}

TEST_F(Converter, EmptyingTheFocusedBoxWritesZero) {
  Enter("72", Cm, "3");
  host::Edit(Cm, "");
  EXPECT_EQ(host::Text(Px), "0");
  host::MoveFocus(Px);
  host::Edit(Px, "");
  EXPECT_EQ(host::Text(Cm), "0");
}

TEST_F(Converter, PixelBoxDrivesWhileItHoldsTheFocus) {
  Enter("72", Px, "72");
  EXPECT_EQ(host::Text(Cm), "2.54");
  EXPECT_EQ(centimetreBoxFocused, 0);
  EXPECT_EQ(pixelBoxFocused, 1);
  // Edits of the centimetre box while the pixel box is focused convert nothing.
  host::Edit(Cm, "1");
  EXPECT_EQ(host::Text(Px), "72");
}

TEST_F(Converter, FlagsFollowTheFocus) {
  struct Step {
    std::uint32_t focus;
    int cm, px;
  };
  constexpr Step Steps[] = {{Cm, 1, 0}, {Px, 0, 1}, {Res, 0, 0}, {Px, 0, 1}, {Cm, 1, 0}, {Res, 0, 0}};
  for (const Step& s : Steps) {
    SCOPED_TRACE(s.focus);
    host::MoveFocus(s.focus);
    EXPECT_EQ(centimetreBoxFocused, s.cm);
    EXPECT_EQ(pixelBoxFocused, s.px);
  }
}

// A flag converts only when it is exactly 1.
TEST_F(Converter, OnlyAFlagOfOneConverts) {
  host::MoveFocus(Cm);
  centimetreBoxFocused = 2;
  host::Edit(Cm, "1");
  EXPECT_EQ(host::Text(Px), "");
  centimetreBoxFocused = 1;
  host::Edit(Cm, "1");
  EXPECT_EQ(host::Text(Px), "28.34645669292");
}

}  // namespace
}  // namespace tessavor
