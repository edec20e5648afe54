// Keystroke to updated box in the real program: with the focus in 厘米, type a
// digit or Backspace with SendInput and poll 像素 with WM_GETTEXT until its
// text changes. Digits and Backspace alternate, so the texts stay short and
// every key changes 像素. Prints the median and 99th percentile in µs.
//   keystroke_bench PATH-TO-Tessavor.exe [KEYSTROKES]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/window/window_driving.h"
#include "core/converter.h"
#include "tests/ui/process_driver.h"

namespace {

using namespace tessavor;

// Keys before the measured ones, so caches and Wine's first-use paths are warm.
constexpr int WarmUpKeystrokes = 200;
// A key whose effect takes longer than this has gone astray.
constexpr double GiveUpMicroseconds = 5e6;
// Reads of the idle program's box that time one poll, the resolution of the
// keystroke figures.
constexpr int CalibrationReads = 2000;

int Fail(const char* what) {
  std::fprintf(stderr, "keystroke_bench: %s\n", what);
  return 1;
}

// The i-th key: digits 1 to 9 in turn, each followed by Backspace.
WORD KeyNumber(int i) { return i % 2 == 0 ? static_cast<WORD>('1' + (i / 2) % 9) : VK_BACK; }

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Fail("usage: keystroke_bench PATH-TO-Tessavor.exe [KEYSTROKES]");
  const int keystrokes = argc > 2 ? std::atoi(argv[2]) : 10000;
  if (keystrokes < 2) return Fail("at least two keystrokes");

  test::ChildProcess program(test::WindowsPath(argv[1]));
  if (!program.started()) return Fail("the program did not start");
  const HWND window = test::WaitForWindow(program.id(), nullptr, bench::WindowTitle);
  if (window == nullptr || !test::WaitUntil([&] { return bench::ReadyForTyping(window); })) {
    return Fail("the window did not appear");
  }
  const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, program.id());
  SetForegroundWindow(window);
  const HWND centimetres = bench::BoxOf(window, CentimetreBoxId);
  const HWND pixels = bench::BoxOf(window, PixelBoxId);
  if (!bench::ClickIntoBox(window, centimetres)) {
    return Fail("the focus did not reach the centimetre box");
  }

  std::vector<double> digits;
  std::vector<double> backspaces;
  std::string before = test::TextOf(pixels);
  for (int i = 0; i < WarmUpKeystrokes + keystrokes; ++i) {
    // Each key starts from an idle program, as a user's typing does.
    bench::WaitForIdle(process);
    const WORD key = KeyNumber(i);
    const double start = bench::NowMicroseconds();
    bench::TapKey(key);
    std::string after;
    while ((after = test::TextOf(pixels)) == before) {
      if (bench::NowMicroseconds() - start > GiveUpMicroseconds) return Fail("a key did not change the pixel box");
    }
    const double elapsed = bench::NowMicroseconds() - start;
    before = after;
    if (i >= WarmUpKeystrokes) (key == VK_BACK ? backspaces : digits).push_back(elapsed);
  }

  // Every poll is a WM_GETTEXT round trip into the program; its median is the
  // grain of the figures above and part of each of them.
  bench::WaitForIdle(process);
  std::vector<double> reads;
  for (int i = 0; i < CalibrationReads; ++i) {
    const double start = bench::NowMicroseconds();
    test::TextOf(pixels);
    reads.push_back(bench::NowMicroseconds() - start);
  }

  std::vector<double> all = digits;
  all.insert(all.end(), backspaces.begin(), backspaces.end());
  std::printf("| Keystroke to updated box, median (%zu keys: digit, Backspace alternating) | %.0f µs |\n",
              all.size(), bench::Percentile(all, 0.5));
  std::printf("| Keystroke to updated box, 99th percentile | %.0f µs |\n", bench::Percentile(all, 0.99));
  std::printf("| digit alone: median / 99th percentile | %.0f / %.0f µs |\n", bench::Percentile(digits, 0.5),
              bench::Percentile(digits, 0.99));
  std::printf("| Backspace alone: median / 99th percentile | %.0f / %.0f µs |\n",
              bench::Percentile(backspaces, 0.5), bench::Percentile(backspaces, 0.99));
  std::printf("| WM_GETTEXT round trip into the idle program (one poll), median | %.0f µs |\n",
              bench::Percentile(reads, 0.5));
  std::fflush(stdout);

  PostMessageA(window, WM_CLOSE, 0, 0);
  program.WaitForExit();
  CloseHandle(process);
  return 0;
}
