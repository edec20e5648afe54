// Real input and tight timing for the drivers that work the program's window
// from a process of their own. Unlike the tests' helpers, nothing here pauses
// after an input: the benchmarks measure the time until the program reacts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace tessavor::bench {

inline constexpr char WindowTitle[] = "Tessavorv1.0";

// The child window of a box named by its control identifier (the child's
// identifier is the low word).
HWND BoxOf(HWND window, std::uint32_t controlId);

// Visible, and its thread's keyboard focus on it or one of its children: the
// moment a user can start typing.
bool ReadyForTyping(HWND window);

// One key pressed and released with SendInput; returns at once.
void TapKey(WORD key);

// A left click in the middle of the window with SendInput, as a user's.
void ClickMiddleOf(HWND window);

// Clicks into the box of the main window until it holds the focus; false when
// it never does. A window just shown may not take the first click yet.
bool ClickIntoBox(HWND window, HWND box);

// Waits until the process that owns the window has handled all its input and
// is waiting for more; false after the timeout.
bool WaitForIdle(HANDLE process, DWORD timeoutMs = 5000);

// The performance counter in microseconds.
double NowMicroseconds();

// The nearest-rank percentile (0 < fraction <= 1) of a non-empty sample.
double Percentile(std::vector<double> samples, double fraction);

}  // namespace tessavor::bench
