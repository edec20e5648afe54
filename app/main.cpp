// The Windows entry point: ProgramMain runs the program, then the exit
// processing, and the process ends with the code the message loop ended with.
#include <windows.h>

#include "app/lifecycle.h"
#include "app/message_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  tessavor::ProgramMain();
  const int exitCode = tessavor::QuitCode();
  tessavor::CleanUpProcess(exitCode);
  return exitCode;
}
