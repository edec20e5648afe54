// Tessavor.exe's Chinese texts read back as UTF-16 from a process of its own,
// under the ANSI code page this driver is started with (Wine takes it from
// the Unix locale: zh_CN gives 936, en_US 1252; the program inherits it).
// The labels must read the same under both, since their GBK texts are
// converted explicitly rather than through the ANSI code page.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <iterator>
#include <string>

#include "tests/ui/process_driver.h"

namespace tessavor::test {
namespace {

std::string programPath;
UINT expectedCodePage = 0;

// Other processes' windows keep the text the system stores for them, which
// for the labels is their window text.
std::wstring WideTextOf(HWND window) {
  wchar_t text[512] = L"";
  const int length = GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return std::wstring(text, static_cast<std::size_t>(length));
}

struct LabelText {
  int id;  // child identifier: the low word of the control identifier
  const wchar_t* text;
};

TEST(ChineseTexts, RunsUnderTheGivenCodePage) {
  if (expectedCodePage == 0) GTEST_SKIP() << "no code page given: the system's applies";
  EXPECT_EQ(GetACP(), expectedCodePage);
}

TEST(ChineseTexts, LabelsReadBackAsTheirCharacters) {
  const LabelText labels[] = {
      {0x0002, L"厘米（cm）"},
      {0x0003, L"分辨率（dpi）（像素/英寸）"},
      {0x0004, L"像素（dot）"},
      {0x0008, L"小知识：\r\n"
               L"像素和厘米之间的换算是需要知道图片的分辨率的。通常设计网页的时候，图片的分辨率一般都是用72dpi的，"
               L"即72像素/英寸\r\n"
               L"计算公式：像素=厘米×0.3937×分辨率\r\n"
               L"计算公式： 厘米=像素÷分辨率×2.54\r\n"
               L"英寸和厘米的单位关系\r\n"
               L"1 厘米＝0.3937 英寸 1 英寸＝2.54 厘米"},
      {0x001C, L"Marovelle"},
  };
  ChildProcess program(WindowsPath(programPath));
  ASSERT_TRUE(program.started()) << programPath;
  const HWND window = WaitForWindow(program.id(), nullptr, "Tessavorv1.0");
  ASSERT_NE(window, nullptr);
  for (const LabelText& label : labels) {
    SCOPED_TRACE(label.id);
    EXPECT_EQ(WideTextOf(ChildWithId(window, label.id)), label.text);
  }
  EXPECT_EQ(WideTextOf(window), L"Tessavorv1.0");
  PostMessageA(window, WM_CLOSE, 0, 0);
  EXPECT_EQ(program.WaitForExit(), 0u);
}

}  // namespace
}  // namespace tessavor::test

// The program comes after GoogleTest's own arguments, then the code page
// the run must have as code-page=N, if any.
int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: chinese_text_test PATH-TO-Tessavor.exe [code-page=N]\n");
    return 2;
  }
  tessavor::test::programPath = argv[1];
  const auto named = tessavor::test::NamedArguments(argc, argv);
  if (const auto codePage = named.find("code-page"); codePage != named.end()) {
    tessavor::test::expectedCodePage = static_cast<UINT>(std::stoul(codePage->second));
  }
  return RUN_ALL_TESTS();
}
