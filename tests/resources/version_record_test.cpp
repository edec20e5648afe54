// The version record as the ANSI version API returns it under code page 936:
// file and product version 1.0.0.0, Simplified Chinese with Unicode strings,
// and the file description as exact GBK bytes.

#include <vector>

#include <gtest/gtest.h>

#include "program_file.h"

namespace {

class VersionRecord : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 936u) << "the texts are checked as code page 936 bytes";
    DWORD size = GetFileVersionInfoSizeA(ProgramPath().c_str(), nullptr);
    ASSERT_NE(size, 0u) << "no version record in " << ProgramPath();
    data_.resize(size);
    ASSERT_TRUE(GetFileVersionInfoA(ProgramPath().c_str(), 0, size, data_.data()));
  }

  // The value at a sub-block path, and its length as the API reports it.
  std::pair<const void*, UINT> Query(const char* path) {
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(data_.data(), path, &value, &length)) return {nullptr, 0};
    return {value, length};
  }

  std::vector<char> data_;
};

TEST_F(VersionRecord, FileAndProductVersionAre1000) {
  auto [value, length] = Query("\\");
  ASSERT_NE(value, nullptr);
  ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
  EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);  // 1.0
  EXPECT_EQ(fixed->dwFileVersionLS, 0x00000000u);  // .0.0
  EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
  EXPECT_EQ(fixed->dwProductVersionLS, 0x00000000u);
  EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

TEST_F(VersionRecord, TranslationIsSimplifiedChineseUnicode) {
  auto [value, length] = Query("\\VarFileInfo\\Translation");
  ASSERT_NE(value, nullptr);
  ASSERT_EQ(length, 4u);
  const auto* words = static_cast<const WORD*>(value);
  EXPECT_EQ(words[0], 0x0804);  // Chinese (PRC)
  EXPECT_EQ(words[1], 0x04B0);  // code page 1200, UTF-16
}

TEST_F(VersionRecord, StringsReadBackAsExactBytes) {
  struct Case {
    const char* name;
    std::string bytes;
  };
  const Case cases[] = {
      // 本程序提供简单的像素跟厘米的单位转换, in GBK.
      {"FileDescription",
       "\xB1\xBE\xB3\xCC\xD0\xF2\xCC\xE1\xB9\xA9\xBC\xF2\xB5\xA5\xB5\xC4\xCF\xF1"
       "\xCB\xD8\xB8\xFA\xC0\xE5\xC3\xD7\xB5\xC4\xB5\xA5\xCE\xBB\xD7\xAA\xBB\xBB"},
      {"FileVersion", "1.0.0.0"},
      {"ProductVersion", "1.0.0.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string path = std::string("\\StringFileInfo\\080404b0\\") + c.name;
    auto [value, length] = Query(path.c_str());
    ASSERT_NE(value, nullptr);
    ASSERT_GT(length, 0u);
    EXPECT_EQ(std::string(static_cast<const char*>(value)), c.bytes);
  }
}

}  // namespace
