// The program's start and end, driven from outside through test builds of
// it: closing in each way a user can ends with exit code 0 and one run of
// the end hook in the program's own folder; each fatal start-up shows the
// error box, with the same characters under any ANSI code page, ends with
// exit code -1 and never runs the end hook.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>

#include "tests/ui/boxes.h"
#include "tests/ui/close_ways.h"
#include "tests/ui/process_driver.h"
#include "tests/ui/test_programs.h"

namespace tessavor::test {
namespace {

// Test programs by name, from the command line (name=path).
std::map<std::string, std::string> programs;
// The ANSI code page the run must have (code-page=N); Wine takes it from the
// Unix locale, and the programs started here inherit it.
UINT expectedCodePage = 0;

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream content;
  content << file.rdbuf();
  return content.str();
}

// A directory that is not the program's, to start it from.
std::string ElsewhereDirectory() {
  char path[MAX_PATH] = "";
  GetTempPathA(sizeof path, path);
  return path;
}

class Lifecycle : public testing::Test {
 protected:
  std::string Program(const std::string& name) {
    const std::string path = WindowsPath(programs[name]);
    DeleteFileA(RecordPathBeside(path).c_str());
    DeleteFileA((ElsewhereDirectory() + EndHookRecord).c_str());
    return path;
  }
  std::string RecordBeside(const std::string& program) { return ReadFile(RecordPathBeside(program)); }
};

// Each way a user closes the window; the record beside the program is read
// once the process has ended, so a second run of the hook would show.
TEST_F(Lifecycle, ClosingRunsTheEndHookOnceInTheProgramsFolderAndExitsWithZero) {
  for (const CloseWay& way : CloseWays()) {
    SCOPED_TRACE(way.name);
    const std::string program = Program("recorded");
    ChildProcess child(program, ElsewhereDirectory());
    ASSERT_TRUE(child.started());
    const HWND window = WaitForWindow(child.id(), nullptr, "Tessavorv1.0");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(BringToFront(window));
    EXPECT_EQ(RecordBeside(program), "");
    ASSERT_TRUE(way.close(window));
    EXPECT_EQ(child.WaitForExit(), 0u);
    EXPECT_EQ(RecordBeside(program), "OnProgramEnd\r\n");
    EXPECT_EQ(ReadFile(ElsewhereDirectory() + EndHookRecord), "");
  }
}

// 乗 is 0x81 0x5C in GBK; a byte-wise search for the last backslash would
// take the folder to end inside the program's own name, in 乗乗 a folder
// that does not exist. Started from elsewhere, the copy still converts what
// is typed and leaves its end hook's record in its own folder.
TEST_F(Lifecycle, ProgramFindsItsFolderThroughDoubleByteNames) {
  const std::string original = Program("recorded");
  const std::string folder = ElsewhereDirectory() + "\xC4\xBF\xC2\xBC\x81\x5C";  // 目录乗
  const std::string program = folder + "\\\x81\x5C\x81\x5C.exe";             // 乗乗.exe
  CreateDirectoryA(folder.c_str(), nullptr);
  ASSERT_TRUE(CopyFileA(original.c_str(), program.c_str(), FALSE));
  DeleteFileA((folder + "\\" + EndHookRecord).c_str());
  {
    ChildProcess child(program, ElsewhereDirectory());
    ASSERT_TRUE(child.started());
    const HWND window = WaitForWindow(child.id(), nullptr, "Tessavorv1.0");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(BringToFront(window));
    PressKey(VK_TAB);
    ASSERT_TRUE(WaitUntil([&] { return FocusOf(window) == ChildWithId(window, CentimetreBox); }));
    TypeText("5");
    EXPECT_TRUE(WaitUntil([&] { return TextOf(ChildWithId(window, PixelBox)) == "141.7322834646"; }))
        << TextOf(ChildWithId(window, PixelBox));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(child.WaitForExit(), 0u);
  }
  // RecordPathBeside would miss this folder too, so name it directly.
  EXPECT_EQ(ReadFile(folder + "\\" + EndHookRecord), "OnProgramEnd\r\n");
  EXPECT_EQ(ReadFile(ElsewhereDirectory() + EndHookRecord), "");
  DeleteFileA((folder + "\\" + EndHookRecord).c_str());
  DeleteFileA(program.c_str());
  RemoveDirectoryA(folder.c_str());
}

struct FatalStart {
  const char* program;
  const wchar_t* text;
};

TEST_F(Lifecycle, RunsUnderTheGivenCodePage) {
  if (expectedCodePage == 0) GTEST_SKIP() << "no code page given: the system's applies";
  EXPECT_EQ(GetACP(), expectedCodePage);
}

TEST_F(Lifecycle, FatalStartShowsTheErrorBoxAndExitsWithMinusOneWithoutTheEndHook) {
  const FatalStart starts[] = {
      {"without-window", L"运行时出错!\r\n\r\n错误信息：载入启动窗口失败\r\n"},
      {"empty-form", L"运行时出错!\r\n\r\n错误信息：载入窗口模板数据段出错!\r\n"},
      {"failing-allocation", L"运行时出错!\r\n\r\n错误信息：分配 2147483632 字节内存失败!\r\n"},
  };
  for (const FatalStart& start : starts) {
    SCOPED_TRACE(start.program);
    const std::string program = Program(start.program);
    ChildProcess child(program, ElsewhereDirectory());
    ASSERT_TRUE(child.started());
    // The box can be found while it is still being built; wait until it shows.
    const HWND box = WaitForWindow(child.id(), "#32770", nullptr);
    ASSERT_NE(box, nullptr);
    // Read as UTF-16: the box must show the same characters whatever the
    // ANSI code page of the run.
    const MessageBoxTexts shown = ReadMessageBox(box);
    EXPECT_EQ(shown.caption, L"错误");
    EXPECT_EQ(shown.text, start.text);
    EXPECT_EQ(WaitForWindow(child.id(), nullptr, "Tessavorv1.0", std::chrono::milliseconds(0)), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(child.WaitForExit(), 0xFFFFFFFFu);
    EXPECT_EQ(RecordBeside(program), "");
  }
}

}  // namespace
}  // namespace tessavor::test

// The test programs are given as name=path after GoogleTest's own arguments,
// and the run's code page as code-page=N.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  for (const auto& [name, value] : tessavor::test::NamedArguments(argc, argv)) {
    if (name == "code-page") {
      tessavor::test::expectedCodePage = static_cast<UINT>(std::stoul(value));
    } else {
      tessavor::test::programs[name] = value;
    }
  }
  return RUN_ALL_TESTS();
}
