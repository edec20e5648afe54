// The link label of Tessavor.exe, pressed with the real mouse from a process
// of its own. The prefix's http and https "open" commands are pointed at
// url_recorder.exe for this run, so every shell request leaves one line with
// its address: a press opens the home page once, a double-click once, the
// whole rectangle counts, and the focus stays in its box, or leaves and
// comes back when the "browser" takes the activation for a moment.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/ui/boxes.h"
#include "tests/ui/process_driver.h"
#include "ui/home_page.h"

namespace tessavor::test {
namespace {

std::string programPath;
std::string recorderPath;

// What url_recorder.exe reads from its environment, which it inherits from
// Tessavor.exe, which inherits it from this driver.
constexpr char RecordVariable[] = "TESSAVOR_URL_RECORD";
constexpr char WindowTimeVariable[] = "TESSAVOR_RECORDER_WINDOW_MS";
constexpr char RecorderTitle[] = "Tessavor URL recorder";

// The link label's child identifier: the low word of its control identifier.
constexpr int LinkLabel = 0x001C;

// Records arrive asynchronously, within about a second; a second of quiet
// after the expected count shows that no further one is on its way.
constexpr std::chrono::milliseconds RecordTimeout(5000);
constexpr DWORD QuietMs = 1000;
// Longer than the double-click time (500 ms), so the next press is a press.
constexpr DWORD SeparatePressMs = 700;

// The shell's "open" command of one protocol, pointed at the recorder while
// the tests run and put back afterwards; the prefix is the test prefix.
class ShellOpenCommand {
 public:
  explicit ShellOpenCommand(const std::string& protocol) : path_(protocol + "\\shell\\open\\command") {}

  void Redirect(const std::string& command) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path_.c_str(), 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
      return;
    }
    char previous[1024] = "";
    DWORD size = sizeof previous;
    hadPrevious_ = RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &size) ==
                   ERROR_SUCCESS;
    previous_ = hadPrevious_ ? std::string(previous) : std::string();
    redirected_ = Set(key, command);
    RegCloseKey(key);
  }

  void Restore() {
    if (!redirected_) return;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path_.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    if (hadPrevious_) {
      Set(key, previous_);
    } else {
      RegDeleteValueA(key, nullptr);
    }
    RegCloseKey(key);
    redirected_ = false;
  }

  bool redirected() const { return redirected_; }

 private:
  static bool Set(HKEY key, const std::string& value) {
    return RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
  }

  std::string path_;
  std::string previous_;
  bool hadPrevious_ = false;
  bool redirected_ = false;
};

class RecorderAsBrowser : public testing::Environment {
 public:
  void SetUp() override {
    // "<recorder>" "%1", built by appending: g++ 12 warns wrongly about
    // overlapping copies in "literal" + std::string.
    std::string command = "\"";
    command.append(WindowsPath(recorderPath)).append("\" \"%1\"");
    for (ShellOpenCommand& protocol : protocols_) {
      protocol.Redirect(command);
      ASSERT_TRUE(protocol.redirected());
    }
  }
  void TearDown() override {
    for (ShellOpenCommand& protocol : protocols_) protocol.Restore();
  }

 private:
  ShellOpenCommand protocols_[2]{ShellOpenCommand("http"), ShellOpenCommand("https")};
};

std::string RecordFile() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  std::string file = path;
  return file.substr(0, file.find_last_of('\\') + 1) + "link-label-urls.txt";
}

std::vector<std::string> Records() { return FileLines(RecordFile()); }

bool RecordsReach(std::size_t count) {
  return WaitUntil([&] { return Records().size() >= count; }, RecordTimeout);
}

class LinkLabelPress : public testing::Test {
 protected:
  // Starts the program with the focus in its first box and the window in
  // front. With recorderWindowMs > 0 each record comes with a recorder
  // window in front for that long.
  void Start(unsigned recorderWindowMs = 0) {
    DeleteFileA(RecordFile().c_str());
    SetEnvironmentVariableA(RecordVariable, RecordFile().c_str());
    SetEnvironmentVariableA(WindowTimeVariable,
                            recorderWindowMs > 0 ? std::to_string(recorderWindowMs).c_str() : nullptr);
    program = std::make_unique<ChildProcess>(WindowsPath(programPath));
    ASSERT_TRUE(program->started()) << programPath;
    window = WaitForWindow(program->id(), nullptr, "Tessavorv1.0");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) != nullptr; }));
    SetForegroundWindow(window);
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == window; }));
    label = ChildWithId(window, LinkLabel);
    ASSERT_NE(label, nullptr);
  }

  void TearDown() override {
    if (program == nullptr) return;
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->WaitForExit(), 0u);
  }

  // A point of the label, in its own 144 x 16 client coordinates, on the screen.
  POINT OnLabel(POINT point) {
    ClientToScreen(label, &point);
    return point;
  }

  bool FocusReaches(int id) {
    return WaitUntil([&] { return FocusOf(window) == ChildWithId(window, id); });
  }

  std::unique_ptr<ChildProcess> program;
  HWND window = nullptr;
  HWND label = nullptr;
};

TEST_F(LinkLabelPress, OnePressOpensTheHomePageOnceAndTheFocusStays) {
  Start();
  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));

  const auto pressed = std::chrono::steady_clock::now();
  ClickAt(OnLabel(POINT{20, 8}));
  ASSERT_TRUE(RecordsReach(1));
  const auto latency =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - pressed);
  RecordProperty("record_latency_ms", static_cast<int>(latency.count()));
  std::printf("record %lld ms after the press\n", static_cast<long long>(latency.count()));

  Sleep(QuietMs);
  EXPECT_EQ(Records(), std::vector<std::string>{TESSAVOR_HOME_PAGE});
  EXPECT_EQ(FocusOf(window), ChildWithId(window, CentimetreBox));
  EXPECT_EQ(GetForegroundWindow(), window);
}

struct ClickRun {
  const char* description;
  int clicks;          // at the same point
  DWORD pauseMs;       // after each click's press and release
  std::size_t opened;  // records the run adds
};

// A second press within the double-click time is a double-click, which opens
// nothing; the press after it is a press again.
TEST_F(LinkLabelPress, DoubleClickOpensOnceAndTheThirdPressOpensAgain) {
  Start();
  const ClickRun runs[] = {
      {"double-click", 2, 10, 1},
      {"triple click", 3, 10, 2},
      {"two presses 700 ms apart", 2, SeparatePressMs, 2},
  };
  const POINT point = OnLabel(POINT{30, 8});
  std::size_t expected = 0;
  for (const ClickRun& run : runs) {
    SCOPED_TRACE(run.description);
    for (int i = 0; i < run.clicks; ++i) {
      ClickAt(point);
      Sleep(run.pauseMs);
    }
    expected += run.opened;
    EXPECT_TRUE(RecordsReach(expected));
    Sleep(QuietMs);
    EXPECT_EQ(Records().size(), expected);
  }
  EXPECT_EQ(Records(), std::vector<std::string>(expected, TESSAVOR_HOME_PAGE));
}

struct LabelPoint {
  const char* description;
  POINT point;
  WORD modifier;
};

TEST_F(LinkLabelPress, EveryPointOfTheRectangleOpensWhateverTheKeys) {
  Start();
  PressKeyWith(VK_SHIFT, VK_TAB);
  ASSERT_TRUE(FocusReaches(PixelBox));
  const LabelPoint points[] = {
      {"top-left corner", {0, 0}, 0},
      {"top-right corner", {143, 0}, 0},
      {"bottom-left corner", {0, 15}, 0},
      {"bottom-right corner", {143, 15}, 0},
      {"right end, where no text is drawn", {130, 8}, 0},
      {"on the text with Ctrl", {20, 8}, VK_CONTROL},
      {"on the text with Shift", {25, 6}, VK_SHIFT},
  };
  std::size_t expected = 0;
  for (const LabelPoint& at : points) {
    SCOPED_TRACE(at.description);
    ClickAt(OnLabel(at.point), at.modifier);
    ++expected;
    EXPECT_TRUE(RecordsReach(expected));
    EXPECT_EQ(FocusOf(window), ChildWithId(window, PixelBox));
    Sleep(SeparatePressMs);
  }
  Sleep(QuietMs);
  EXPECT_EQ(Records(), std::vector<std::string>(expected, TESSAVOR_HOME_PAGE));
}

// The "browser" comes to the front: the box normalises its text on losing
// the focus, and gets the focus back when the window is active again.
TEST_F(LinkLabelPress, BrowserInFrontTakesTheFocusAndTheBoxGetsItBack) {
  Start(1500);
  PressKey(VK_TAB);
  ASSERT_TRUE(FocusReaches(CentimetreBox));
  TypeText("2.50");
  ASSERT_TRUE(WaitUntil([&] { return TextOf(ChildWithId(window, CentimetreBox)) == "2.50"; }));

  ClickAt(OnLabel(POINT{20, 8}));
  ASSERT_TRUE(RecordsReach(1));
  HWND browser = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    browser = FindWindowA(nullptr, RecorderTitle);
    return browser != nullptr && GetForegroundWindow() == browser;
  }));
  EXPECT_TRUE(WaitUntil([&] { return TextOf(ChildWithId(window, CentimetreBox)) == "2.5"; }))
      << TextOf(ChildWithId(window, CentimetreBox));
  EXPECT_NE(FocusOf(window), ChildWithId(window, CentimetreBox));

  ASSERT_TRUE(WaitUntil([&] { return FindWindowA(nullptr, RecorderTitle) == nullptr; }));
  SetForegroundWindow(window);
  EXPECT_TRUE(FocusReaches(CentimetreBox));
  // Typing goes on in the same box, after its normalised text.
  TypeText("5");
  EXPECT_TRUE(WaitUntil([&] { return TextOf(ChildWithId(window, CentimetreBox)) == "2.55"; }))
      << TextOf(ChildWithId(window, CentimetreBox));
  EXPECT_EQ(Records(), std::vector<std::string>{TESSAVOR_HOME_PAGE});
}

}  // namespace
}  // namespace tessavor::test

// The program to press and the recorder come after GoogleTest's arguments.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: link_label_test PATH-TO-Tessavor.exe PATH-TO-url_recorder.exe\n");
    return 2;
  }
  tessavor::test::programPath = argv[1];
  tessavor::test::recorderPath = argv[2];
  testing::AddGlobalTestEnvironment(new tessavor::test::RecorderAsBrowser);
  return RUN_ALL_TESTS();
}
