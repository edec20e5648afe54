// The program's life from ProgramMain to the exit processing: process
// preparation, the two hooks, the start-up window and CleanUpProcess.
#pragma once

#include <cstdint>

namespace tessavor {

// The start-up and end hooks (app/hooks.cpp). Both do nothing; they mark
// where per-program set-up and tear-down belong.
void InitGlobals();
void OnProgramEnd();

// Set to OnProgramEnd by ProgramMain; cleared once it has run, or without
// running it by a fatal error, so the end hook runs at most once.
extern void (*endHook)();

// Prepares the process, resets the floating-point unit, shows the window and
// runs the message loop until the window is gone. Always returns 0.
std::int32_t ProgramMain();

void PrepareProcess();
// Builds and shows the window; a window that cannot be built is fatal.
void LoadStartupWindow(std::uint32_t window);

// The exit processing: suspends events for good, runs the end hook if it is
// still set, releases the window icons and undoes the OLE initialisation.
void CleanUpProcess(std::int32_t exitCode);

}  // namespace tessavor
