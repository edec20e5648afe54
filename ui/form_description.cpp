// The main window as constant data: the window, its three edit boxes, three
// caption labels, the tips label and the link label, in creation order.
// Each GBK literal carries its characters in a comment.
#include "ui/form_description.h"

#include "core/converter.h"

namespace tessavor {

namespace {

constexpr FontRecord EditBoxFont{-21, 0, 0, 0, 400, false, false, false,
                                 "@\xCE\xA2\xC8\xED\xD1\xC5\xBA\xDA" /* @微软雅黑 */};
constexpr FontRecord TipsFont{-14, 0, 0, 0, 400, false, false, false, "Carmina Blk BT"};
constexpr FontRecord LinkFont{-12, 0, 0, 0, 400, false, true, false, ""};

constexpr Colour Black = Rgb(0, 0, 0);
constexpr Colour White = Rgb(255, 255, 255);
constexpr Colour Blue = Rgb(0, 0, 255);

constexpr const char TipsText[] =
    "\xD0\xA1\xD6\xAA\xCA\xB6\xA3\xBA\r\n"  // 小知识：
    // 像素和厘米之间的换算是需要知道图片的分辨率的。
    "\xCF\xF1\xCB\xD8\xBA\xCD\xC0\xE5\xC3\xD7\xD6\xAE\xBC\xE4\xB5\xC4\xBB\xBB\xCB\xE3\xCA\xC7"
    "\xD0\xE8\xD2\xAA\xD6\xAA\xB5\xC0\xCD\xBC\xC6\xAC\xB5\xC4\xB7\xD6\xB1\xE6\xC2\xCA\xB5\xC4\xA1\xA3"
    // 通常设计网页的时候，图片的分辨率一般都是用72dpi的，即72像素/英寸
    "\xCD\xA8\xB3\xA3\xC9\xE8\xBC\xC6\xCD\xF8\xD2\xB3\xB5\xC4\xCA\xB1\xBA\xF2\xA3\xAC"
    "\xCD\xBC\xC6\xAC\xB5\xC4\xB7\xD6\xB1\xE6\xC2\xCA\xD2\xBB\xB0\xE3\xB6\xBC\xCA\xC7\xD3\xC3"
    "72dpi\xB5\xC4\xA3\xAC\xBC\xB4"
    "72\xCF\xF1\xCB\xD8/\xD3\xA2\xB4\xE7\r\n"
    // 计算公式：像素=厘米×0.3937×分辨率
    "\xBC\xC6\xCB\xE3\xB9\xAB\xCA\xBD\xA3\xBA\xCF\xF1\xCB\xD8=\xC0\xE5\xC3\xD7\xA1\xC1"
    "0.3937\xA1\xC1\xB7\xD6\xB1\xE6\xC2\xCA\r\n"
    // 计算公式： 厘米=像素÷分辨率×2.54
    "\xBC\xC6\xCB\xE3\xB9\xAB\xCA\xBD\xA3\xBA \xC0\xE5\xC3\xD7=\xCF\xF1\xCB\xD8\xA1\xC2"
    "\xB7\xD6\xB1\xE6\xC2\xCA\xA1\xC1"
    "2.54\r\n"
    // 英寸和厘米的单位关系
    "\xD3\xA2\xB4\xE7\xBA\xCD\xC0\xE5\xC3\xD7\xB5\xC4\xB5\xA5\xCE\xBB\xB9\xD8\xCF\xB5\r\n"
    // 1 厘米＝0.3937 英寸 1 英寸＝2.54 厘米
    "1 \xC0\xE5\xC3\xD7\xA3\xBD"
    "0.3937 \xD3\xA2\xB4\xE7 1 \xD3\xA2\xB4\xE7\xA3\xBD"
    "2.54 \xC0\xE5\xC3\xD7";

constexpr ControlRecord MainWindowControls[] = {
    {Label1Id, "\xB1\xEA\xC7\xA9" "1" /* 标签1 */, ControlKind::Label, 18, 102, 80, 32,
     true, true, false, "\xC0\xE5\xC3\xD7\xA3\xA8" "cm\xA3\xA9" /* 厘米（cm） */,
     Border::None, Black, SystemDefaultColour, std::nullopt, false},
    {Label2Id, "\xB1\xEA\xC7\xA9" "2" /* 标签2 */, ControlKind::Label, 18, 40, 80, 32,
     true, true, false,
     "\xB7\xD6\xB1\xE6\xC2\xCA\xA3\xA8" "dpi\xA3\xA9\xA3\xA8\xCF\xF1\xCB\xD8/\xD3\xA2\xB4\xE7\xA3\xA9"
     /* 分辨率（dpi）（像素/英寸） */,
     Border::None, Black, SystemDefaultColour, std::nullopt, true},
    {Label3Id, "\xB1\xEA\xC7\xA9" "3" /* 标签3 */, ControlKind::Label, 18, 167, 80, 32,
     true, true, false, "\xCF\xF1\xCB\xD8\xA3\xA8" "dot\xA3\xA9" /* 像素（dot） */,
     Border::None, Black, SystemDefaultColour, std::nullopt, false},
    {ResolutionBoxId, "\xB7\xD6\xB1\xE6\xC2\xCA" /* 分辨率 */, ControlKind::EditBox, 120, 40, 160, 29,
     true, true, true, "72", Border::Single, Black, White, EditBoxFont, false},
    {CentimetreBoxId, "\xC0\xE5\xC3\xD7" /* 厘米 */, ControlKind::EditBox, 120, 102, 160, 29,
     true, true, true, "", Border::Single, Black, White, EditBoxFont, false},
    {PixelBoxId, "\xCF\xF1\xCB\xD8" /* 像素 */, ControlKind::EditBox, 120, 167, 160, 29,
     true, true, true, "", Border::Single, Black, White, EditBoxFont, false},
    {Label4Id, "\xB1\xEA\xC7\xA9" "4" /* 标签4 */, ControlKind::Label, 0, 208, 296, 152,
     true, true, false, TipsText, Border::StaticEdge, Black, SystemDefaultColour, TipsFont, true},
    {Label5Id, "\xB1\xEA\xC7\xA9" "5" /* 标签5 */, ControlKind::Label, 60, 364, 144, 16,
     true, true, false, "Marovelle", Border::None, Blue, SystemDefaultColour, LinkFont, false},
};

constexpr FormDescription Forms[] = {
    {{MainWindowId, "Tessavorv1.0", 50, 50, 303, 416, Border::FixedFrameClientEdge,
      true, true, false, true, true, true, SystemDefaultColour},
     MainWindowControls},
};

}  // namespace

std::span<const FormDescription> FormDescriptions() { return Forms; }

}  // namespace tessavor
