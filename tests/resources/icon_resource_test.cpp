// The application icon as the program file stores it: the first icon group,
// one 128 x 128 image with 8 bits per pixel, a 256-colour palette and a
// 1-bit mask, drawing orange arrows round a circle and blue letters inside.

#include <gtest/gtest.h>

#include "program_file.h"

namespace {

constexpr int kSize = 128;
constexpr std::size_t kHeaderSize = 40;                  // BITMAPINFOHEADER
constexpr std::size_t kPaletteSize = 256 * 4;            // RGBQUAD entries
constexpr std::size_t kXorSize = kSize * kSize;          // one byte a pixel, rows of 128
constexpr std::size_t kAndRowSize = kSize / 8;           // one bit a pixel, rows of 16
constexpr std::size_t kImageSize = kHeaderSize + kPaletteSize + kXorSize + kAndRowSize * kSize;

// GRPICONDIR is three WORDs; each GRPICONDIRENTRY that follows is 14 bytes:
// width, height, colour count, reserved (bytes), planes, bit count (WORDs),
// bytes in resource (DWORD), icon id (WORD).
constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;

struct Rgb {
  int r, g, b;
};

// The rim-to-fill shades of the two inks, told apart by their dominant channel.
bool IsOrange(Rgb c) { return c.r >= 150 && c.r > c.g && c.g > c.b; }
bool IsBlue(Rgb c) { return c.b >= 120 && c.b > c.r && c.b > c.g; }

class IconResource : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(file_.Module(), nullptr) << "cannot open " << ProgramPath();
    WORD groupId = file_.FirstId(RT_GROUP_ICON);
    ASSERT_NE(groupId, 0) << "no numbered icon group";
    group_ = file_.Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(groupId));
    ASSERT_GE(group_.size(), kGroupHeaderSize + kGroupEntrySize);
    imageId_ = ReadU16(group_, kGroupHeaderSize + 12);
    image_ = file_.Resource(RT_ICON, MAKEINTRESOURCEA(imageId_));
    ASSERT_EQ(image_.size(), kImageSize) << "header, palette, 128 x 128 bytes and the mask";
  }

  // Pixels counted from the top-left; DIB rows are stored bottom-up.
  bool Opaque(int x, int y) const {
    std::size_t row = kHeaderSize + kPaletteSize + kXorSize + (kSize - 1 - y) * kAndRowSize;
    return (image_[row + x / 8] & (0x80 >> (x % 8))) == 0;
  }
  Rgb Colour(int x, int y) const {
    std::uint8_t index = image_[kHeaderSize + kPaletteSize + (kSize - 1 - y) * kSize + x];
    std::size_t entry = kHeaderSize + 4 * index;  // blue, green, red, reserved
    return {image_[entry + 2], image_[entry + 1], image_[entry]};
  }

  ProgramFile file_;
  std::span<const std::uint8_t> group_;
  WORD imageId_ = 0;
  std::span<const std::uint8_t> image_;
};

TEST_F(IconResource, FirstGroupHoldsOne128x128Image) {
  EXPECT_EQ(ReadU16(group_, 0), 0);  // reserved
  EXPECT_EQ(ReadU16(group_, 2), 1);  // icon, not cursor
  EXPECT_EQ(ReadU16(group_, 4), 1);  // one image
  EXPECT_EQ(int{group_[6]}, kSize);  // width; 0 would mean 256
  EXPECT_EQ(int{group_[7]}, kSize);
  EXPECT_EQ(int{group_[8]}, 0);      // colour count 0: a full 256-colour palette
  EXPECT_EQ(ReadU16(group_, 10), 1);
  EXPECT_EQ(ReadU16(group_, 12), 8);
  EXPECT_EQ(ReadU32(group_, 14), image_.size());
}

TEST_F(IconResource, ImageIsEightBitsWithFullPaletteAndMask) {
  EXPECT_EQ(ReadU32(image_, 0), kHeaderSize);
  EXPECT_EQ(ReadU32(image_, 4), static_cast<std::uint32_t>(kSize));
  EXPECT_EQ(ReadU32(image_, 8), static_cast<std::uint32_t>(2 * kSize));  // colour rows, then mask rows
  EXPECT_EQ(ReadU16(image_, 12), 1);                                     // planes
  EXPECT_EQ(ReadU16(image_, 14), 8);                                     // bits per pixel
  EXPECT_EQ(ReadU32(image_, 16), static_cast<std::uint32_t>(BI_RGB));
  std::uint32_t coloursUsed = ReadU32(image_, 32);
  EXPECT_TRUE(coloursUsed == 256 || coloursUsed == 0) << coloursUsed;  // 0 also means 256
}

TEST_F(IconResource, MaskIsTransparentAroundAndOpaqueOnTheDrawing) {
  for (auto [x, y] : {std::pair{0, 0}, {kSize - 1, 0}, {0, kSize - 1}, {kSize - 1, kSize - 1}}) {
    SCOPED_TRACE(testing::Message() << "corner " << x << "," << y);
    EXPECT_FALSE(Opaque(x, y));
  }
  bool opaqueNearCentre = false;
  for (int y = 48; y < 80; ++y)
    for (int x = 48; x < 80; ++x) opaqueNearCentre = opaqueNearCentre || Opaque(x, y);
  EXPECT_TRUE(opaqueNearCentre) << "the letters cover part of the central 32 x 32 pixels";

  // The XOR image must be black where the mask is transparent, or the icon
  // would tint the background it is drawn on.
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      if (Opaque(x, y)) continue;
      Rgb c = Colour(x, y);
      ASSERT_EQ(c.r | c.g | c.b, 0) << "transparent pixel " << x << "," << y;
    }
}

TEST_F(IconResource, DrawingIsOrangeArrowsRoundBlueLetters) {
  bool blueAbove = false, blueBelow = false, orange = false;
  for (int y = 0; y < kSize; ++y)
    for (int x = 0; x < kSize; ++x) {
      if (!Opaque(x, y)) continue;
      Rgb c = Colour(x, y);
      ASSERT_TRUE(IsOrange(c) || IsBlue(c))
          << "pixel " << x << "," << y << " is " << c.r << "," << c.g << "," << c.b;
      orange = orange || IsOrange(c);
      if (IsBlue(c) && y < kSize / 2) blueAbove = true;
      if (IsBlue(c) && y >= kSize / 2) blueBelow = true;
      // Two arrows chasing each other: the orange drawing is the same after
      // half a turn about the centre.
      int tx = kSize - 1 - x, ty = kSize - 1 - y;
      if (IsOrange(c)) {
        ASSERT_TRUE(Opaque(tx, ty) && IsOrange(Colour(tx, ty)))
            << "orange at " << x << "," << y << " but not at " << tx << "," << ty;
      }
    }
  EXPECT_TRUE(orange);
  EXPECT_TRUE(blueAbove) << "CM in the upper half";
  EXPECT_TRUE(blueBelow) << "DOT in the lower half";
}

TEST_F(IconResource, SystemMakesA128x128IconOfIt) {
  // The directory is what the system picks an image by.
  EXPECT_EQ(LookupIconIdFromDirectoryEx(const_cast<PBYTE>(group_.data()), TRUE, kSize, kSize, LR_DEFAULTCOLOR),
            imageId_);

  HICON icon = CreateIconFromResourceEx(const_cast<PBYTE>(image_.data()), static_cast<DWORD>(image_.size()), TRUE,
                                        0x00030000, kSize, kSize, LR_DEFAULTCOLOR);
  ASSERT_NE(icon, nullptr);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  EXPECT_TRUE(info.fIcon);
  // The colour bitmap's depth is the display's, not the resource's, so only
  // its size is checked.
  BITMAP colour{};
  ASSERT_NE(info.hbmColor, nullptr);
  ASSERT_NE(GetObjectA(info.hbmColor, sizeof colour, &colour), 0);
  EXPECT_EQ(colour.bmWidth, kSize);
  EXPECT_EQ(colour.bmHeight, kSize);
  EXPECT_NE(info.hbmMask, nullptr);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  DestroyIcon(icon);
}

}  // namespace
