// The form description against the window's layout table: identifiers,
// names, rectangles, texts (decoded from GBK), fonts, colours and borders.
#include "ui/form_description.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "core/converter.h"
#include "tests/ui/gbk.h"

namespace tessavor {
namespace {

using test::FromGbk;

const FormDescription& MainForm() {
  for (const FormDescription& form : FormDescriptions()) {
    if (form.window.identifier == MainWindowId) return form;
  }
  static const FormDescription none{};
  ADD_FAILURE() << "no description of the main window";
  return none;
}

const char TipsText[] =
    "小知识：\r\n"
    "像素和厘米之间的换算是需要知道图片的分辨率的。通常设计网页的时候，图片的分辨率一般都是用72dpi的，"
    "即72像素/英寸\r\n"
    "计算公式：像素=厘米×0.3937×分辨率\r\n"
    "计算公式： 厘米=像素÷分辨率×2.54\r\n"
    "英寸和厘米的单位关系\r\n"
    "1 厘米＝0.3937 英寸 1 英寸＝2.54 厘米";

struct ExpectedControl {
  std::uint32_t identifier;
  const char* name;
  ControlKind kind;
  std::int32_t left, top, width, height;
  bool tabStop;
  const char* text;
};

// The control table, in creation order.
const ExpectedControl ExpectedControls[] = {
    {0x16010002, "标签1", ControlKind::Label, 18, 102, 80, 32, false, "厘米（cm）"},
    {0x16010003, "标签2", ControlKind::Label, 18, 40, 80, 32, false, "分辨率（dpi）（像素/英寸）"},
    {0x16010004, "标签3", ControlKind::Label, 18, 167, 80, 32, false, "像素（dot）"},
    {0x16010005, "分辨率", ControlKind::EditBox, 120, 40, 160, 29, true, "72"},
    {0x16010006, "厘米", ControlKind::EditBox, 120, 102, 160, 29, true, ""},
    {0x16010007, "像素", ControlKind::EditBox, 120, 167, 160, 29, true, ""},
    {0x16010008, "标签4", ControlKind::Label, 0, 208, 296, 152, false, TipsText},
    {0x1601001C, "标签5", ControlKind::Label, 60, 364, 144, 16, false, "Marovelle"},
};

TEST(FormDescription, WindowHasItsTitleSizeAndFrame) {
  const WindowRecord& window = MainForm().window;
  EXPECT_EQ(window.identifier, 0x52010001u);
  EXPECT_STREQ(window.title, "Tessavorv1.0");
  EXPECT_EQ(window.left, 50);
  EXPECT_EQ(window.top, 50);
  EXPECT_EQ(window.width, 303);
  EXPECT_EQ(window.height, 416);
  EXPECT_EQ(window.border, Border::FixedFrameClientEdge);
  EXPECT_TRUE(window.controlBox);
  EXPECT_TRUE(window.minimiseButton);
  EXPECT_FALSE(window.maximiseButton);
  EXPECT_TRUE(window.startCentred);
  EXPECT_TRUE(window.visible);
  EXPECT_TRUE(window.enabled);
  EXPECT_TRUE(window.background.systemDefault);
}

TEST(FormDescription, ControlsMatchTheLayoutTableInCreationOrder) {
  const auto controls = MainForm().controls;
  ASSERT_EQ(controls.size(), std::size(ExpectedControls));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    const ExpectedControl& expected = ExpectedControls[i];
    const ControlRecord& actual = controls[i];
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(actual.identifier, expected.identifier);
    EXPECT_EQ(FromGbk(actual.name), expected.name);
    EXPECT_EQ(actual.kind, expected.kind);
    EXPECT_EQ(actual.left, expected.left);
    EXPECT_EQ(actual.top, expected.top);
    EXPECT_EQ(actual.width, expected.width);
    EXPECT_EQ(actual.height, expected.height);
    EXPECT_EQ(actual.tabStop, expected.tabStop);
    EXPECT_EQ(FromGbk(actual.text), expected.text);
    EXPECT_TRUE(actual.visible);
    EXPECT_TRUE(actual.enabled);
  }
}

TEST(FormDescription, BoxIdentifiersAreTheConvertersOwn) {
  const auto controls = MainForm().controls;
  ASSERT_EQ(controls.size(), 8u);
  EXPECT_EQ(controls[3].identifier, ResolutionBoxId);
  EXPECT_EQ(controls[4].identifier, CentimetreBoxId);
  EXPECT_EQ(controls[5].identifier, PixelBoxId);
}

struct ExpectedLook {
  const char* name;
  Border border;
  Colour text;
  Colour background;
  std::optional<FontRecord> font;  // face as UTF-8
  bool wordWrap;
};

bool operator==(Colour a, Colour b) {
  return a.systemDefault == b.systemDefault && (a.systemDefault || a.rgb == b.rgb);
}

void ExpectSameFont(const std::optional<FontRecord>& actual, const std::optional<FontRecord>& expected) {
  ASSERT_EQ(actual.has_value(), expected.has_value());
  if (!expected) return;
  EXPECT_EQ(actual->height, expected->height);
  EXPECT_EQ(actual->width, 0);
  EXPECT_EQ(actual->escapement, 0);
  EXPECT_EQ(actual->orientation, 0);
  EXPECT_EQ(actual->weight, expected->weight);
  EXPECT_FALSE(actual->italic);
  EXPECT_FALSE(actual->strikeOut);
  EXPECT_EQ(actual->underline, expected->underline);
  EXPECT_EQ(FromGbk(actual->face), expected->face);
}

TEST(FormDescription, FontsColoursAndBordersMatchTheLayoutTable) {
  const Colour black = Rgb(0, 0, 0);
  const Colour white = Rgb(255, 255, 255);
  const Colour blue = Rgb(0, 0, 255);
  const FontRecord boxFont{-21, 0, 0, 0, 400, false, false, false, "@微软雅黑"};
  const ExpectedLook looks[] = {
      {"标签1", Border::None, black, SystemDefaultColour, std::nullopt, false},
      {"标签2", Border::None, black, SystemDefaultColour, std::nullopt, true},
      {"标签3", Border::None, black, SystemDefaultColour, std::nullopt, false},
      {"分辨率", Border::Single, black, white, boxFont, false},
      {"厘米", Border::Single, black, white, boxFont, false},
      {"像素", Border::Single, black, white, boxFont, false},
      {"标签4", Border::StaticEdge, black, SystemDefaultColour,
       FontRecord{-14, 0, 0, 0, 400, false, false, false, "Carmina Blk BT"}, true},
      {"标签5", Border::None, blue, SystemDefaultColour, FontRecord{-12, 0, 0, 0, 400, false, true, false, ""},
       false},
  };
  const auto controls = MainForm().controls;
  ASSERT_EQ(controls.size(), std::size(looks));
  for (std::size_t i = 0; i < controls.size(); ++i) {
    SCOPED_TRACE(looks[i].name);
    EXPECT_EQ(controls[i].border, looks[i].border);
    EXPECT_TRUE(controls[i].textColour == looks[i].text);
    EXPECT_TRUE(controls[i].background == looks[i].background);
    ExpectSameFont(controls[i].font, looks[i].font);
    EXPECT_EQ(controls[i].wordWrap, looks[i].wordWrap);
  }
}

// Blue is RGB(0, 0, 255), red in the low byte as a COLORREF holds it.
TEST(FormDescription, ColoursAreColorrefValues) {
  EXPECT_EQ(Rgb(0, 0, 255).rgb, 0x00FF0000u);
  EXPECT_EQ(Rgb(255, 255, 255).rgb, 0x00FFFFFFu);
  EXPECT_EQ(Rgb(0x12, 0x34, 0x56).rgb, 0x00563412u);
}

}  // namespace
}  // namespace tessavor
