// Entry point of the resource tests: the one argument is the program file
// whose icon and version record they examine.

#include <cstdio>

#include <gtest/gtest.h>

#include "program_file.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: resources_test PROGRAM.exe\n");
    return 2;
  }
  SetProgramPath(argv[1]);
  return RUN_ALL_TESTS();
}
