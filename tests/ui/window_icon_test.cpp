// The window icon of the real window, built in this process, which carries
// the program's resources: the large and the small icon are the application
// icon's image at its own 128 x 128, with its transparency mask, and the
// exit processing's release destroys them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "tests/ui/window_test_support.h"
#include "ui/window_icon.h"

namespace tessavor::test {
namespace {

constexpr int IconSize = 128;
constexpr std::size_t MaskRowBytes = IconSize / 8;  // 1 bit a pixel, rows of 16 bytes

// The AND mask as the program file stores it: after the 40-byte header, the
// 256-entry palette and one byte a pixel; rows bottom-up.
std::vector<std::uint8_t> StoredMask() {
  const HMODULE module = GetModuleHandleA(nullptr);
  const HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(1), RT_GROUP_ICON);
  if (group == nullptr) return {};
  auto* directory = static_cast<BYTE*>(LockResource(LoadResource(module, group)));
  const int id = LookupIconIdFromDirectoryEx(directory, TRUE, IconSize, IconSize, LR_DEFAULTCOLOR);
  const HRSRC image = FindResourceA(module, MAKEINTRESOURCEA(id), RT_ICON);
  if (image == nullptr) return {};
  const auto* bits = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, image)));
  const std::size_t offset = 40 + 256 * 4 + IconSize * IconSize;
  return std::vector<std::uint8_t>(bits + offset, bits + offset + MaskRowBytes * IconSize);
}

// The icon's mask bitmap, read bottom-up as 1-bit rows, like the stored one.
std::vector<std::uint8_t> MaskOf(HBITMAP mask) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
  } info{};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = IconSize;
  info.header.biHeight = IconSize;
  info.header.biPlanes = 1;
  info.header.biBitCount = 1;
  std::vector<std::uint8_t> rows(((IconSize + 31) / 32 * 4) * IconSize);
  const HDC screen = GetDC(nullptr);
  GetDIBits(screen, mask, 0, IconSize, rows.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  ReleaseDC(nullptr, screen);
  return rows;
}

using WindowIcon = MainWindowTest;

TEST_F(WindowIcon, LargeAndSmallIconAreTheApplicationImageAt128Pixels) {
  const std::vector<std::uint8_t> stored = StoredMask();
  ASSERT_EQ(stored.size(), MaskRowBytes * IconSize);
  for (const WPARAM which : {ICON_BIG, ICON_SMALL}) {
    SCOPED_TRACE(which == ICON_BIG ? "large" : "small");
    const auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, which, 0));
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP colour{};
    ASSERT_NE(GetObjectA(info.hbmColor, sizeof colour, &colour), 0);
    EXPECT_EQ(colour.bmWidth, IconSize);
    EXPECT_EQ(colour.bmHeight, IconSize);
    EXPECT_EQ(MaskOf(info.hbmMask), stored);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

// The release is what the exit processing calls once the window is gone;
// a window built afterwards gets icons made anew.
TEST_F(WindowIcon, ReleaseDestroysTheIcons) {
  const auto largeIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  const auto smallIcon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  ASSERT_NE(largeIcon, nullptr);
  ASSERT_NE(smallIcon, nullptr);
  ReleaseWindowIcons();
  ICONINFO info{};
  EXPECT_FALSE(GetIconInfo(largeIcon, &info));
  EXPECT_FALSE(GetIconInfo(smallIcon, &info));
}

}  // namespace
}  // namespace tessavor::test
