// The scan for the program's folder goes by characters of the ANSI code
// page: a backslash byte that ends a double-byte character is no separator.
#include "app/program_folder.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace tessavor {
namespace {

// GBK's lead bytes, as code page 936 defines them.
bool IsGbkLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

struct PathCase {
  const char* path;
  std::size_t lastBackslash;
};

// 乗 is 0x81 0x5C in GBK: its second byte is the backslash byte.
const PathCase Cases[] = {
    {"Z:\\\xC4\xBF\xC2\xBC\x81\x5C\\\x81\x5C.exe" /* Z:\目录乗\乗.exe */, 9},
    {"Z:\\\xC4\xBF\xC2\xBC\\\x81\x5C.exe" /* Z:\目录\乗.exe */, 7},
    {"C:\\Program Files\\Tessavor.exe", 16},
    {"Tessavor.exe", std::string::npos},
    {"\x81\x5C.exe" /* 乗.exe */, std::string::npos},
    {"\\Tessavor.exe", 0},
    {"C:\\dir\\\x81" /* a lead byte with no partner at the end */, 6},
};

TEST(ProgramFolder, LastBackslashSkipsTrailBytesOfDoubleByteCharacters) {
  for (const PathCase& c : Cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(LastBackslash(c.path, IsGbkLeadByte), c.lastBackslash);
  }
}

#ifdef _WIN32
bool IsAnsiLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// Under the ANSI code page 936 the system's lead-byte test gives the same.
TEST(ProgramFolder, SystemLeadBytesOfCodePage936GiveTheSameSplit) {
  ASSERT_EQ(GetACP(), 936u);
  for (const PathCase& c : Cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(LastBackslash(c.path, IsAnsiLeadByte), c.lastBackslash);
  }
}
#endif

}  // namespace
}  // namespace tessavor
