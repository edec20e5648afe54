// Start-up and memory of Tessavor.exe against the minimal window program, run
// alternately in the same session: the time from CreateProcess to a visible
// window with the focus in place, and the peak working set after the window
// was shown and some keys were typed. Prints medians and their ratios.
//   startup_bench PATH-TO-Tessavor.exe PATH-TO-minimal_window.exe [RUNS]
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/window/window_driving.h"
#include "tests/ui/process_driver.h"

namespace {

using namespace tessavor;

struct Figures {
  std::vector<double> startMicroseconds;
  std::vector<double> peakKiB;
  std::vector<double> modules;  // DLLs and the program: where the memory goes
};

// Polls every millisecond: the tests' 20 ms would blur a start-up of a few
// hundred milliseconds.
HWND WaitUntilReady(DWORD processId, double start) {
  constexpr double GiveUpMicroseconds = 60e6;
  while (bench::NowMicroseconds() - start < GiveUpMicroseconds) {
    const HWND window = test::VisibleWindowOf(processId, nullptr, nullptr);
    if (window != nullptr && bench::ReadyForTyping(window)) return window;
    Sleep(1);
  }
  return nullptr;
}

// The same keys for both programs: Tab, then a length. In Tessavor.exe they
// move into 厘米 and convert; the minimal window ignores them.
void TypeSomething() {
  for (const WORD key : {static_cast<WORD>(VK_TAB), static_cast<WORD>('1'), static_cast<WORD>('2'),
                         static_cast<WORD>(VK_OEM_PERIOD), static_cast<WORD>('5')}) {
    bench::TapKey(key);
  }
}

// One run of the program; false when it did not come up.
bool MeasureOnce(const std::string& path, Figures& figures) {
  const double start = bench::NowMicroseconds();
  test::ChildProcess program(test::WindowsPath(path));
  if (!program.started()) return false;
  const HWND window = WaitUntilReady(program.id(), start);
  if (window == nullptr) return false;
  figures.startMicroseconds.push_back(bench::NowMicroseconds() - start);

  const HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, program.id());
  SetForegroundWindow(window);
  TypeSomething();
  bench::WaitForIdle(process);
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process, &counters, sizeof counters);
  figures.peakKiB.push_back(static_cast<double>(counters.PeakWorkingSetSize) / 1024);
  DWORD moduleBytes = 0;
  EnumProcessModules(process, nullptr, 0, &moduleBytes);
  figures.modules.push_back(static_cast<double>(moduleBytes / sizeof(HMODULE)));
  CloseHandle(process);

  PostMessageA(window, WM_CLOSE, 0, 0);
  return program.WaitForExit() == 0;
}

int Fail(const char* what) {
  std::fprintf(stderr, "startup_bench: %s\n", what);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) return Fail("usage: startup_bench PATH-TO-Tessavor.exe PATH-TO-minimal_window.exe [RUNS]");
  const int runs = argc > 3 ? std::atoi(argv[3]) : 20;
  if (runs < 1) return Fail("at least one run");
  Figures program;
  Figures minimal;
  for (int run = 0; run < runs; ++run) {
    if (!MeasureOnce(argv[1], program)) return Fail("Tessavor.exe did not start, show its window or exit with 0");
    if (!MeasureOnce(argv[2], minimal)) return Fail("the minimal window did not start, show or exit with 0");
  }

  const double programStart = bench::Percentile(program.startMicroseconds, 0.5) / 1000;
  const double minimalStart = bench::Percentile(minimal.startMicroseconds, 0.5) / 1000;
  const double programPeak = bench::Percentile(program.peakKiB, 0.5);
  const double minimalPeak = bench::Percentile(minimal.peakKiB, 0.5);
  std::printf("| Start-up to window ready, median of %d runs: Tessavor.exe / minimal window | %.1f ms / %.1f ms |\n",
              runs, programStart, minimalStart);
  std::printf("| Start-up ratio (target ≤ 1.2) | %.2f |\n", programStart / minimalStart);
  std::printf("| Peak working set after typing, median: Tessavor.exe / minimal window | %.0f KiB / %.0f KiB |\n",
              programPeak, minimalPeak);
  std::printf("| Peak working set ratio (target ≤ 1.2) | %.2f |\n", programPeak / minimalPeak);
  std::printf("| Modules loaded (program and DLLs): Tessavor.exe / minimal window | %.0f / %.0f |\n",
              bench::Percentile(program.modules, 0.5), bench::Percentile(minimal.modules, 0.5));
  return 0;
}
