// Tessavor.exe as a user meets it, from a process of its own: the window
// opens with the focus in the resolution box, typed lengths convert, Tab and
// Shift+Tab move between the boxes, Esc and Enter do nothing, and closing the
// window ends the program with exit code 0.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/ui/boxes.h"
#include "tests/ui/process_driver.h"

namespace tessavor::test {
namespace {

std::string programPath;

class BlackBox : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(program.started()) << programPath;
    window = WaitForWindow(program.id(), nullptr, "Tessavorv1.0");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) != nullptr; }));
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
  }

  HWND BoxWithId(int id) { return ChildWithId(window, id); }

  // Waits for the focus to reach the box, so the next keys go there.
  bool FocusReaches(int id) {
    return WaitUntil([&] { return FocusOf(window) == BoxWithId(id); });
  }

  bool TextBecomes(int id, const std::string& text) {
    return WaitUntil([&] { return TextOf(BoxWithId(id)) == text; });
  }

  ChildProcess program{WindowsPath(programPath)};
  HWND window = nullptr;
};

TEST_F(BlackBox, TypingConvertsAndClosingExitsWithZero) {
  EXPECT_TRUE(FocusReaches(ResolutionBox));
  EXPECT_EQ(TextOf(BoxWithId(ResolutionBox)), "72");
  EXPECT_EQ(TextOf(BoxWithId(CentimetreBox)), "");
  EXPECT_EQ(TextOf(BoxWithId(PixelBox)), "");

  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));
  TypeText("5");
  EXPECT_TRUE(TextBecomes(PixelBox, "141.7322834646")) << TextOf(BoxWithId(PixelBox));

  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(PixelBox));
  PressKeyWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));
  PressKeyWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(FocusReaches(ResolutionBox));
  EXPECT_EQ(TextOf(BoxWithId(CentimetreBox)), "5");

  // A new resolution empties both lengths; then pixels convert back.
  PressKey(VK_END);
  PressKeyWith(VK_SHIFT, VK_HOME);
  TypeText("96");
  EXPECT_TRUE(TextBecomes(ResolutionBox, "96"));
  EXPECT_EQ(TextOf(BoxWithId(CentimetreBox)), "");
  EXPECT_EQ(TextOf(BoxWithId(PixelBox)), "");
  PressKeyWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(FocusReaches(PixelBox));
  TypeText("1920");
  EXPECT_TRUE(TextBecomes(CentimetreBox, "50.8")) << TextOf(BoxWithId(CentimetreBox));

  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

TEST_F(BlackBox, EscAndEnterDoNothingAndAltF4ExitsWithZero) {
  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));
  PressKey(VK_ESCAPE);
  PressKey(VK_RETURN);
  EXPECT_EQ(program.WaitForExit(std::chrono::milliseconds(300)), static_cast<DWORD>(STILL_ACTIVE));
  EXPECT_TRUE(FocusReaches(CentimetreBox));
  PressKeyWith(VK_MENU, VK_F4);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace tessavor::test

// The program to drive is the first argument after GoogleTest's own.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    fprintf(stderr, "usage: black_box_test PATH-TO-Tessavor.exe\n");
    return 2;
  }
  tessavor::test::programPath = argv[1];
  return RUN_ALL_TESTS();
}
