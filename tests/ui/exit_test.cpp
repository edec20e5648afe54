// The program's ways out, driven from a process of its own: Esc, Enter and
// F1 in any box end nothing and open nothing; the end-of-session question is
// answered yes and closes nothing; once the window is being destroyed no
// event reaches a handler, whatever way it was closed; and a conversion
// whose block the heap refuses ends in the error box with exit code -1 and
// without the end hook.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "tests/ui/boxes.h"
#include "tests/ui/close_ways.h"
#include "tests/ui/process_driver.h"
#include "tests/ui/test_programs.h"

namespace tessavor::test {
namespace {

// Programs by name from the command line (name=path), and the seed of the
// randomised test (seed=N), drawn afresh when none is given.
std::map<std::string, std::string> arguments;

// Long enough for a key the program would act on to have had its effect.
constexpr DWORD KeySettleMs = 300;

// The lines of the record the test builds write beside themselves.
std::vector<std::string> RecordLines(const std::string& program) {
  return FileLines(RecordPathBeside(program));
}

std::string Joined(const std::vector<std::string>& lines) {
  std::ostringstream out;
  for (const std::string& line : lines) out << "\n  " << line;
  return out.str();
}

class Exits : public testing::Test {
 protected:
  // Starts the named program with its record cleared, and brings its window
  // to the front with the focus in its first box.
  void Start(const std::string& name) {
    path = WindowsPath(arguments[name]);
    DeleteFileA(RecordPathBeside(path).c_str());
    child = std::make_unique<ChildProcess>(path);
    ASSERT_TRUE(child->started()) << path;
    window = WaitForWindow(child->id(), nullptr, "Tessavorv1.0");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(BringToFront(window));
  }

  HWND Box(int id) { return ChildWithId(window, id); }
  bool FocusReaches(int id) {
    return WaitUntil([&] { return FocusOf(window) == Box(id); });
  }
  bool TextBecomes(int id, const std::string& text) {
    return WaitUntil([&] { return TextOf(Box(id)) == text; });
  }
  std::vector<std::string> Texts() {
    return {TextOf(Box(ResolutionBox)), TextOf(Box(CentimetreBox)), TextOf(Box(PixelBox))};
  }
  bool StillRunning() { return child->WaitForExit(std::chrono::milliseconds(0)) == STILL_ACTIVE; }

  std::string path;
  std::unique_ptr<ChildProcess> child;
  HWND window = nullptr;
};

// Each key in each box, with texts in all three boxes: the process and its
// one window stay, no text changes, the focus stays in its box.
TEST_F(Exits, EscEnterAndF1DoNothingInAnyBox) {
  Start("program");
  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));
  TypeText("2.5");
  ASSERT_TRUE(WaitUntil([&] { return !TextOf(Box(PixelBox)).empty(); }));
  PressKeyWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(FocusReaches(ResolutionBox));
  for (const int box : {ResolutionBox, CentimetreBox, PixelBox}) {
    SCOPED_TRACE(testing::Message() << "box " << box);
    ASSERT_TRUE(FocusReaches(box));
    for (const WORD key : {VK_ESCAPE, VK_RETURN, VK_F1}) {
      SCOPED_TRACE(testing::Message() << "key " << key);
      const std::vector<std::string> before = Texts();
      PressKey(key);
      Sleep(KeySettleMs);
      EXPECT_TRUE(StillRunning());
      EXPECT_EQ(VisibleWindowsOf(child->id()), std::vector<HWND>{window});
      EXPECT_EQ(Texts(), before);
      EXPECT_EQ(FocusOf(window), Box(box));
    }
    PressKey(VK_TAB);
  }
  PressKeyWith(VK_MENU, VK_F4);
  EXPECT_EQ(child->WaitForExit(), 0u);
}

// Windows asks before a log-off or shut-down; the answer is yes, and the
// window goes on converting until it is closed, when the end hook runs once.
TEST_F(Exits, EndOfSessionQuestionIsAnsweredYesAndClosesNothing) {
  Start("recorded");
  for (const LPARAM reason : {LPARAM{0}, LPARAM{ENDSESSION_CLOSEAPP}, static_cast<LPARAM>(ENDSESSION_LOGOFF)}) {
    SCOPED_TRACE(testing::Message() << "reason " << std::hex << reason);
    DWORD_PTR answer = 0;
    ASSERT_NE(SendMessageTimeoutA(window, WM_QUERYENDSESSION, 0, reason, SMTO_ABORTIFHUNG, 5000, &answer), 0);
    EXPECT_NE(answer, 0u);
  }
  Sleep(KeySettleMs);
  EXPECT_TRUE(StillRunning());
  EXPECT_TRUE(IsWindowVisible(window));
  EXPECT_TRUE(RecordLines(path).empty());
  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));
  TypeText("5");
  EXPECT_TRUE(TextBecomes(PixelBox, "141.7322834646")) << TextOf(Box(PixelBox));
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(child->WaitForExit(), 0u);
  EXPECT_EQ(RecordLines(path), std::vector<std::string>{"OnProgramEnd"});
}

// The build's record holds every delivered event and a mark written when the
// window is sent WM_DESTROY, before it acts on it. Each time the window is
// closed while its focus is in a box whose text the leaving rewrites, so a
// focus loss or text change raised by the destruction would land after the
// mark; only the end hook may follow it.
TEST_F(Exits, NoEventReachesAHandlerOnceTheWindowIsBeingDestroyed) {
  const char* typed[] = {"5.", "007", "-0.50", "2.50"};
  std::size_t next = 0;
  for (const CloseWay& way : CloseWays()) {
    const std::string text = typed[next++ % std::size(typed)];
    SCOPED_TRACE(testing::Message() << way.name << ", \"" << text << "\"");
    Start("events-recorded");
    PressKey(VK_TAB);
    ASSERT_TRUE(FocusReaches(CentimetreBox));
    TypeText(text);
    ASSERT_TRUE(TextBecomes(CentimetreBox, text));
    ASSERT_TRUE(way.close(window));
    ASSERT_EQ(child->WaitForExit(), 0u);

    const std::vector<std::string> lines = RecordLines(path);
    SCOPED_TRACE("record:" + Joined(lines));
    const auto mark = std::find(lines.begin(), lines.end(), "WM_DESTROY");
    ASSERT_NE(mark, lines.end());
    EXPECT_EQ(std::vector<std::string>(mark + 1, lines.end()), std::vector<std::string>{"OnProgramEnd"});
    // The record did see the typing: the last keystroke's change of the box.
    const std::string typedChange = "event 16010006 0 10 \"" + text + "\"";
    EXPECT_NE(std::find(lines.begin(), mark, typedChange), mark) << typedChange;
  }
}

// The limited heap grants no block above LimitedHeapLargestBlock. Reading the
// centimetre box asks for a block of its length plus the terminator
// GetWindowTextA writes: N = length + 1. The pasted length is drawn at random
// from just across the limit to twice the limit.
TEST_F(Exits, FailedAllocationInAConversionShowsTheErrorBoxAndExitsWithMinusOne) {
  const unsigned seed = arguments.contains("seed") ? static_cast<unsigned>(std::stoul(arguments["seed"]))
                                                   : std::random_device{}();
  std::cout << "seed=" << seed << "\n";
  std::mt19937 random(seed);
  const std::size_t length = std::uniform_int_distribution<std::size_t>(
      LimitedHeapLargestBlock - 1, 2 * LimitedHeapLargestBlock)(random);
  std::string pasted(length, '0');
  for (char& digit : pasted) digit = static_cast<char>('0' + random() % 10);
  const std::size_t requested = length + 1;
  SCOPED_TRACE(testing::Message() << "seed " << seed << ", " << length << " digits");

  Start("limited-heap");
  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));
  // Small conversions go through as usual.
  TypeText("5");
  ASSERT_TRUE(TextBecomes(PixelBox, "141.7322834646")) << TextOf(Box(PixelBox));
  PressKey(VK_BACK);
  ASSERT_TRUE(TextBecomes(CentimetreBox, ""));
  ASSERT_TRUE(PutTextOnClipboard(pasted));
  PressKeyWith(VK_CONTROL, 'V');

  const HWND box = WaitForWindow(child->id(), "#32770", nullptr);
  ASSERT_NE(box, nullptr);
  const MessageBoxTexts shown = ReadMessageBox(box);
  EXPECT_EQ(shown.caption, L"错误");
  EXPECT_EQ(shown.text,
            L"运行时出错!\r\n\r\n错误信息：分配 " + std::to_wstring(requested) + L" 字节内存失败!\r\n");
  PostMessageA(box, WM_COMMAND, IDOK, 0);
  EXPECT_EQ(child->WaitForExit(), 0xFFFFFFFFu);
  EXPECT_TRUE(RecordLines(path).empty()) << Joined(RecordLines(path));
}

}  // namespace
}  // namespace tessavor::test

// The programs as name=path after GoogleTest's own arguments: program (the
// shipped one), recorded, events-recorded and limited-heap; seed=N repeats a
// randomised run.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  tessavor::test::arguments = tessavor::test::NamedArguments(argc, argv);
  return RUN_ALL_TESTS();
}
