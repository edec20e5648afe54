// A stand-in program that carries the application's resource script, so
// the resource tests can run before (and apart from) the real program.

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
