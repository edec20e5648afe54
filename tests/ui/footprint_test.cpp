// Tessavor.exe leaves nothing behind and reaches for no network. A copy in a
// fresh folder, started from another one, is driven through a whole session
// of typing, Tab and Shift+Tab, conversions both ways, a new resolution and
// closing. Every file and folder (path, size, time written) of drive C:,
// which holds both folders, and every registry key (time written, counts)
// is the same before and after; and at no point of the session does the
// process have a network library loaded.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "tests/ui/boxes.h"
#include "tests/ui/process_driver.h"

namespace tessavor::test {
namespace {

std::string programPath;
// The libraries through which a program reaches a network, lower case.
std::vector<std::string> networkLibraries;

// What a write leaves on a file, a folder or a registry key.
struct Trace {
  ULONGLONG size;
  ULONGLONG written;
  DWORD attributes;
  bool operator==(const Trace&) const = default;
};
using Snapshot = std::map<std::string, Trace>;

ULONGLONG Ticks(FILETIME time) { return ULONGLONG{time.dwHighDateTime} << 32 | time.dwLowDateTime; }

// Every file and folder below `folder`, folders with their own write time,
// which changes when an entry is made or removed in them.
void AddFiles(const std::string& folder, Snapshot& snapshot) {
  WIN32_FIND_DATAA found;
  const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = found.cFileName;
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    snapshot[path] = Trace{ULONGLONG{found.nFileSizeHigh} << 32 | found.nFileSizeLow,
                           Ticks(found.ftLastWriteTime), found.dwFileAttributes};
    const bool folderToEnter = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 &&
                               (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0;
    if (folderToEnter) AddFiles(path, snapshot);
  } while (FindNextFileA(search, &found));
  FindClose(search);
}

// Keys the system itself rewrites while a session runs, whatever program
// runs in it: the display driver describes the display adapters here anew
// (under fresh names) whenever the desktop enumerates its displays again,
// which Wine does when its desktop process starts during the session.
constexpr const char* SystemKeys[] = {"HKLM\\System\\CurrentControlSet\\Control\\Video"};

// Every key below `key`, with its write time and its numbers of subkeys and
// values; a value written or removed changes the key's time.
void AddKeys(HKEY key, const std::string& path, Snapshot& snapshot) {
  const auto isPath = [&](const char* system) { return _stricmp(system, path.c_str()) == 0; };
  if (std::ranges::any_of(SystemKeys, isPath)) return;
  DWORD subkeys = 0;
  DWORD values = 0;
  FILETIME written{};
  if (RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                       nullptr, &written) != ERROR_SUCCESS) {
    return;
  }
  snapshot[path] = Trace{ULONGLONG{subkeys} << 32 | values, Ticks(written), 0};
  for (DWORD i = 0; i < subkeys; ++i) {
    char name[256];
    DWORD length = sizeof name;
    if (RegEnumKeyExA(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) continue;
    HKEY subkey = nullptr;
    if (RegOpenKeyExA(key, name, 0, KEY_READ, &subkey) != ERROR_SUCCESS) continue;
    AddKeys(subkey, path + "\\" + name, snapshot);
    RegCloseKey(subkey);
  }
}

// HKEY_USERS holds every user's keys, the current user's among them.
Snapshot TakeSnapshot() {
  Snapshot snapshot;
  AddFiles("C:", snapshot);
  AddKeys(HKEY_LOCAL_MACHINE, "HKLM", snapshot);
  AddKeys(HKEY_USERS, "HKU", snapshot);
  return snapshot;
}

// The paths that were made, removed or changed, one a line.
std::string Differences(const Snapshot& before, const Snapshot& after) {
  std::ostringstream out;
  for (const auto& [path, trace] : before) {
    const auto now = after.find(path);
    if (now == after.end()) {
      out << "removed " << path << "\n";
    } else if (!(now->second == trace)) {
      out << "changed " << path << "\n";
    }
  }
  for (const auto& [path, trace] : after) {
    if (!before.contains(path)) out << "made " << path << "\n";
  }
  return out.str();
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The process's modules by file name, lower case; empty if they cannot be
// listed.
std::vector<std::string> ModulesOf(DWORD processId) {
  std::vector<std::string> modules;
  const HANDLE list = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId);
  if (list == INVALID_HANDLE_VALUE) return modules;
  MODULEENTRY32 module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32First(list, &module); more; more = Module32Next(list, &module)) {
    modules.push_back(Lower(module.szModule));
  }
  CloseHandle(list);
  return modules;
}

// A folder of the test's own in the prefix's temporary folder, with the
// program's copy in one subfolder and the folder it is started from in
// another; removed again at the end.
class Session : public testing::Test {
 protected:
  void SetUp() override {
    char temporary[MAX_PATH] = "";
    GetTempPathA(sizeof temporary, temporary);
    root = std::string(temporary) + "tessavor-footprint-" + std::to_string(GetCurrentProcessId());
    ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr));
    CreateDirectoryA((root + "\\program").c_str(), nullptr);
    CreateDirectoryA((root + "\\elsewhere").c_str(), nullptr);
    program = root + "\\program\\Tessavor.exe";
    ASSERT_TRUE(CopyFileA(WindowsPath(programPath).c_str(), program.c_str(), FALSE));
  }
  void TearDown() override {
    DeleteFileA(program.c_str());
    RemoveDirectoryA((root + "\\program").c_str());
    RemoveDirectoryA((root + "\\elsewhere").c_str());
    RemoveDirectoryA(root.c_str());
  }

  // No network library is loaded now; the list itself is not empty.
  void ExpectNoNetworkLibrary(DWORD processId, const char* when) {
    SCOPED_TRACE(when);
    const std::vector<std::string> modules = ModulesOf(processId);
    auto loaded = [&](const std::string& name) { return std::ranges::find(modules, name) != modules.end(); };
    EXPECT_TRUE(loaded("tessavor.exe"));
    for (const std::string& library : networkLibraries) EXPECT_FALSE(loaded(library)) << library;
  }

  std::string root;
  std::string program;
};

TEST_F(Session, WritesNothingAndLoadsNoNetworkLibrary) {
  ASSERT_FALSE(networkLibraries.empty());
  const Snapshot before = TakeSnapshot();
  // The walk did reach the program's copy and the registry.
  ASSERT_TRUE(before.contains(program)) << program;
  ASSERT_TRUE(before.contains("HKLM\\Software"));
  {
    ChildProcess child(program, root + "\\elsewhere");
    ASSERT_TRUE(child.started());
    const HWND window = WaitForWindow(child.id(), nullptr, "Tessavorv1.0");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(BringToFront(window));
    ExpectNoNetworkLibrary(child.id(), "started");
    auto box = [&](int id) { return ChildWithId(window, id); };
    auto focusReaches = [&](int id) { return WaitUntil([&] { return FocusOf(window) == box(id); }); };
    auto textBecomes = [&](int id, const char* text) { return WaitUntil([&] { return TextOf(box(id)) == text; }); };

    PressKey(VK_TAB);
    ASSERT_TRUE(focusReaches(CentimetreBox));
    TypeText("5");
    EXPECT_TRUE(textBecomes(PixelBox, "141.7322834646"));
    ExpectNoNetworkLibrary(child.id(), "centimetres converted");
    PressKey(VK_TAB);
    ASSERT_TRUE(focusReaches(PixelBox));
    PressKeyWith(VK_SHIFT, VK_TAB);
    PressKeyWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(focusReaches(ResolutionBox));
    PressKey(VK_END);
    PressKeyWith(VK_SHIFT, VK_HOME);
    TypeText("96.0");
    EXPECT_TRUE(textBecomes(CentimetreBox, ""));
    PressKeyWith(VK_SHIFT, VK_TAB);
    ASSERT_TRUE(focusReaches(PixelBox));
    EXPECT_TRUE(textBecomes(ResolutionBox, "96"));
    TypeText("1920");
    EXPECT_TRUE(textBecomes(CentimetreBox, "50.8"));
    ExpectNoNetworkLibrary(child.id(), "pixels converted");
    PressKeyWith(VK_MENU, VK_F4);
    EXPECT_EQ(child.WaitForExit(), 0u);
  }
  EXPECT_EQ(Differences(before, TakeSnapshot()), "");
}

}  // namespace
}  // namespace tessavor::test

// program=PATH-TO-Tessavor.exe network-libraries=a.dll,b.dll,... after
// GoogleTest's own arguments.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  auto named = tessavor::test::NamedArguments(argc, argv);
  tessavor::test::programPath = named["program"];
  std::stringstream libraries(named["network-libraries"]);
  for (std::string library; std::getline(libraries, library, ',');) {
    tessavor::test::networkLibraries.push_back(tessavor::test::Lower(library));
  }
  return RUN_ALL_TESTS();
}
