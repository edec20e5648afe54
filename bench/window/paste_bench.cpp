// Paste to updated box in the real program: for each box, kind of text and
// size from 64 KiB to 16 MiB, the time from a real Ctrl+V to the change of
// the box that the paste rewrites, the time until the program is idle again,
// and the program's peak memory, so that growth with size can be read off.
// Sizes run upwards in one program per box and kind; a size whose predicted
// time, from the growth seen so far, passes the limit is left out.
//   paste_bench PATH-TO-Tessavor.exe [LONGEST-PASTE-SECONDS (30)]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "bench/window/window_driving.h"
#include "core/converter.h"
#include "tests/ui/boxes.h"
#include "tests/ui/paste_texts.h"
#include "tests/ui/input_events.h"
#include "tests/ui/process_driver.h"

namespace {

using namespace tessavor;
using namespace std::chrono_literals;

constexpr std::size_t Kibibyte = 1024;
constexpr std::size_t Sizes[] = {64 * Kibibyte, 256 * Kibibyte, 1024 * Kibibyte, 4096 * Kibibyte, 16384 * Kibibyte};
constexpr test::PasteKind Kinds[] = {test::PasteKind::Digits, test::PasteKind::Junk,
                                     test::PasteKind::FullWidthDigits, test::PasteKind::NumberThenJunk};
constexpr std::uint32_t Boxes[] = {ResolutionBoxId, CentimetreBoxId, PixelBoxId};
constexpr std::uint64_t Seed = 20240601;

// The box whose text a paste into `control` rewrites: the other length box,
// or for the resolution the pixel box, which it empties second.
std::uint32_t RewrittenBox(std::uint32_t control) {
  return control == CentimetreBoxId ? PixelBoxId : control == PixelBoxId ? CentimetreBoxId : PixelBoxId;
}

// Ctrl+V in one SendInput, returning at once: the clock starts before it.
void TapControlV() {
  INPUT inputs[] = {test::KeyInput(VK_CONTROL, false), test::KeyInput('V', false), test::KeyInput('V', true),
                    test::KeyInput(VK_CONTROL, true)};
  SendInput(4, inputs, sizeof(INPUT));
}

struct Session {
  HWND window;
  HANDLE process;
  std::uint32_t focused = ResolutionBoxId;

  HWND Box(std::uint32_t control) const { return bench::BoxOf(window, control); }

  // Tab until the box holds the focus; leaving a box normalises it, which
  // brings a pasted box back to a short text.
  bool Focus(std::uint32_t control) {
    while (focused != control) {
      const std::uint32_t next = test::NextBox(focused);
      test::PressKey(VK_TAB);
      if (!test::WaitUntil([&] { return test::FocusOf(window) == Box(next); }, 600s)) return false;
      focused = next;
    }
    return true;
  }

  // Replaces the box's text by typing.
  bool Type(std::uint32_t control, const std::string& digits) {
    if (!Focus(control)) return false;
    test::PressKey(VK_END);
    test::PressKeyWith(VK_SHIFT, VK_HOME);
    test::TypeText(digits);
    return test::WaitUntil([&] { return test::WholeTextOf(Box(control)) == digits; }, 600s);
  }
};

struct Figures {
  double toUpdateMs;
  double toIdleMs;
  PROCESS_MEMORY_COUNTERS memory;
};

// One paste: a resolution of 96, the box's other text from a length of 1
// (for the resolution box, 1 centimetre), then the paste over all of it.
std::optional<Figures> MeasurePaste(Session& session, std::uint32_t control, const std::string& text) {
  const std::uint32_t length = control == PixelBoxId ? PixelBoxId : CentimetreBoxId;
  if (!session.Type(ResolutionBoxId, "96") || !session.Type(length, "1")) return std::nullopt;
  if (!session.Focus(control)) return std::nullopt;
  test::PressKey(VK_END);
  test::PressKeyWith(VK_SHIFT, VK_HOME);
  if (!test::PutTextOnClipboard(text)) return std::nullopt;
  const HWND rewritten = session.Box(RewrittenBox(control));
  const std::optional<std::string> before = test::WholeTextOf(rewritten);
  bench::WaitForIdle(session.process);

  const double start = bench::NowMicroseconds();
  TapControlV();
  // Each read waits while the program is busy with the paste, so the first
  // changed text comes at the end of the conversion.
  for (std::optional<std::string> now = before; !now || now == before; now = test::WholeTextOf(rewritten, 600s)) {
    if (bench::NowMicroseconds() - start > 900e6) return std::nullopt;
  }
  const double updated = bench::NowMicroseconds();
  bench::WaitForIdle(session.process, 600000);
  const double idle = bench::NowMicroseconds();

  Figures figures{(updated - start) / 1000, (idle - start) / 1000, {}};
  figures.memory.cb = sizeof figures.memory;
  GetProcessMemoryInfo(session.process, &figures.memory, sizeof figures.memory);
  // Leaving the box gives it its short normal form again.
  if (!session.Focus(test::NextBox(control))) return std::nullopt;
  return figures;
}

double Mib(std::size_t bytes) { return static_cast<double>(bytes) / (1024 * 1024); }

int Fail(const char* what) {
  std::fprintf(stderr, "paste_bench: %s\n", what);
  return 1;
}

// All sizes of one kind into one box, in one program.
bool MeasureBoxAndKind(const std::string& program, std::uint32_t control, test::PasteKind kind, double limitSeconds) {
  test::ChildProcess child(test::WindowsPath(program));
  if (!child.started()) return false;
  const HWND window = test::WaitForWindow(child.id(), nullptr, bench::WindowTitle);
  if (window == nullptr || !test::BringToFront(window)) return false;
  Session session{window, child.handle()};
  // The first paste of a program also loads what pasting needs.
  if (!MeasurePaste(session, control, test::MakePasteText(test::PasteKind::Junk, 1024, Seed))) return false;
  // The first and the last size measured and their times, for the
  // prediction.
  double sizes[2] = {0, 0};
  double times[2] = {0, 0};
  for (const std::size_t size : Sizes) {
    if (sizes[1] > 0) {
      // Growth as seen from the first size measured to the last, at least
      // linear and at most with the square; with one size only, with the
      // square.
      double power = 2;
      if (sizes[0] < sizes[1]) {
        power = std::clamp(std::log(times[1] / times[0]) / std::log(sizes[1] / sizes[0]), 1.0, 2.0);
      }
      const double predictedMs = times[1] * std::pow(static_cast<double>(size) / sizes[1], power);
      if (predictedMs > limitSeconds * 1000) {
        std::printf("| %s | %s | %zu KiB | not run: about %.0f s (time growing as size^%.1f) | | | |\n",
                    test::BoxName(control), test::NameOf(kind), size / Kibibyte, predictedMs / 1000, power);
        continue;
      }
    }
    const std::optional<Figures> figures = MeasurePaste(session, control, test::MakePasteText(kind, size, Seed));
    if (!figures) return false;
    std::printf("| %s | %s | %zu KiB | %.0f ms | %.0f ms/MiB | %.0f ms | %.1f MiB / %.1f MiB |\n",
                test::BoxName(control), test::NameOf(kind), size / Kibibyte, figures->toUpdateMs,
                figures->toUpdateMs / (static_cast<double>(size) / (1024 * Kibibyte)), figures->toIdleMs,
                Mib(figures->memory.PeakPagefileUsage), Mib(figures->memory.PeakWorkingSetSize));
    std::fflush(stdout);
    if (sizes[0] == 0) {
      sizes[0] = static_cast<double>(size);
      times[0] = figures->toUpdateMs;
    }
    sizes[1] = static_cast<double>(size);
    times[1] = figures->toUpdateMs;
  }
  PostMessageA(window, WM_CLOSE, 0, 0);
  return child.WaitForExit(600s) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Fail("usage: paste_bench PATH-TO-Tessavor.exe [LONGEST-PASTE-SECONDS]");
  const double limitSeconds = argc > 2 ? std::atof(argv[2]) : 30;
  std::printf("| Box | Text | Size | Ctrl+V to the rewritten box | per MiB | Ctrl+V to idle "
              "| peak private / working set |\n");
  std::printf("|---|---|---|---|---|---|---|\n");
  for (const std::uint32_t control : Boxes) {
    for (const test::PasteKind kind : Kinds) {
      if (!MeasureBoxAndKind(argv[1], control, kind, limitSeconds)) return Fail("a paste did not reach the program");
    }
  }
  // What a bare Wine session's clipboard should not keep holding.
  test::ClearClipboard();
  return 0;
}
