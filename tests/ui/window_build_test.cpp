// The built window under Wine: no events while it is built, the start-up
// focus, its place, size and styles, and the look of boxes and labels.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "core/converter.h"
#include "tests/ui/window_test_support.h"
#include "ui/control_event.h"
#include "ui/control_font.h"
#include "ui/form_description.h"
#include "ui/main_window.h"
#include "ui/window_registry.h"

namespace tessavor::test {
namespace {

using E = ControlEvent;

TEST(BuildWindow, DeliversNoEventWhileTheWindowIsBuilt) {
  Pump();
  EventLog().clear();
  ASSERT_TRUE(BuildWindow(MainWindowId));
  const HWND window = BuiltWindowHandle(MainWindowId);
  EXPECT_TRUE(EventLog().empty());
  EXPECT_EQ(eventsSuspended, 0u);
  // The initial texts are in place, and none of them was reported.
  EXPECT_EQ(TextOf(ResolutionBoxId), "72");
  EXPECT_EQ(TextOf(CentimetreBoxId), "");
  EXPECT_EQ(TextOf(PixelBoxId), "");
  // Built means hidden, with the controls shown.
  EXPECT_FALSE(IsWindowVisible(window));
  for (const BuiltControl& built : BuiltControls()) {
    EXPECT_TRUE(GetWindowLongPtrA(built.handle, GWL_STYLE) & WS_VISIBLE);
  }
  DestroyWindow(window);
  Pump();
  EXPECT_TRUE(EventLog().empty());
}

TEST(BuildWindow, FailsForAWindowTheDescriptionDoesNotHold) {
  EXPECT_FALSE(BuildWindow(0x52010002));
  EXPECT_EQ(BuiltWindowHandle(0x52010002), nullptr);
  EXPECT_EQ(eventsSuspended, 0u);
}

using StartUp = MainWindowTest;

// Activation gives the resolution box the focus, and the start-up reports it
// once more; that box has no focus handler, so both flags stay 0.
TEST_F(StartUp, FocusIsInTheResolutionBoxAndBothFlagsAreZero) {
  EXPECT_EQ(GetFocus(), Box(ResolutionBoxId));
  EXPECT_EQ(GetForegroundWindow(), window);
  EXPECT_EQ(LoggedKeys(), (std::vector<EventKey>{{ResolutionBoxId, E::FocusGained},
                                                 {ResolutionBoxId, E::FocusGained}}));
  EXPECT_EQ(centimetreBoxFocused, 0);
  EXPECT_EQ(pixelBoxFocused, 0);
}

TEST_F(StartUp, WindowIsCentredFixedAndTitled) {
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - 303) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - 416) / 2);
  EXPECT_EQ(rect.right - rect.left, 303);
  EXPECT_EQ(rect.bottom - rect.top, 416);
  const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_TRUE(style & WS_CLIPCHILDREN);
  EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);
  char title[64] = "";
  GetWindowTextA(window, title, sizeof title);
  EXPECT_STREQ(title, "Tessavorv1.0");
}

// Each control sits at its stored rectangle; an edit box is as tall as its
// stored height or, if its font needs more, one line plus two edges.
TEST_F(StartUp, ControlsSitAtTheirRectangles) {
  const LONG edges = 2 * GetSystemMetrics(SM_CYEDGE);
  for (const BuiltControl& built : BuiltControls()) {
    const ControlRecord& record = *built.record;
    SCOPED_TRACE(testing::Message() << std::hex << record.identifier);
    RECT rect;
    GetWindowRect(built.handle, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, record.left);
    EXPECT_EQ(rect.top, record.top);
    EXPECT_EQ(rect.right - rect.left, record.width);
    LONG height = record.height;
    if (record.kind == ControlKind::EditBox) {
      const HFONT font = reinterpret_cast<HFONT>(SendMessageA(built.handle, WM_GETFONT, 0, 0));
      height = std::max<LONG>(height, MeasureText(font, "\xCE\xE2" /* 吴 */).cy + edges);
    }
    EXPECT_EQ(rect.bottom - rect.top, height);
    EXPECT_EQ(GetDlgCtrlID(built.handle), static_cast<int>(record.identifier & 0xFFFF));
  }
}

TEST_F(StartUp, BoxesHaveASingleBorderAndTheTipsLabelASunkenEdge) {
  for (const BuiltControl& built : BuiltControls()) {
    SCOPED_TRACE(testing::Message() << std::hex << built.record->identifier);
    const LONG_PTR style = GetWindowLongPtrA(built.handle, GWL_STYLE);
    const LONG_PTR extended = GetWindowLongPtrA(built.handle, GWL_EXSTYLE);
    char className[32] = "";
    GetClassNameA(built.handle, className, sizeof className);
    const bool box = built.record->kind == ControlKind::EditBox;
    EXPECT_EQ(std::string(className) == "Edit" || std::string(className) == "EDIT", box);
    EXPECT_EQ((style & WS_BORDER) != 0, box);
    EXPECT_EQ((style & WS_TABSTOP) != 0, box);
    EXPECT_FALSE(style & (ES_MULTILINE | ES_READONLY | ES_PASSWORD | ES_NOHIDESEL | WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ((extended & WS_EX_STATICEDGE) != 0, built.record->identifier == Label4Id);
    EXPECT_FALSE(extended & (WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME));
  }
}

// One text line of the font's height, centred in what the border leaves.
TEST_F(StartUp, BoxTextLineIsOneLineHighAndCentred) {
  for (const std::uint32_t id : {ResolutionBoxId, CentimetreBoxId, PixelBoxId}) {
    SCOPED_TRACE(testing::Message() << std::hex << id);
    const HWND box = Box(id);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageA(box, WM_GETFONT, 0, 0));
    const LONG line = MeasureText(font, "W").cy;
    RECT outer;
    GetWindowRect(box, &outer);
    RECT client;
    GetClientRect(box, &client);
    POINT origin{0, 0};
    ClientToScreen(box, &origin);
    const LONG border = GetSystemMetrics(SM_CYBORDER);
    const LONG inner = outer.bottom - outer.top - 2 * border;
    EXPECT_EQ(client.bottom - client.top, line);
    EXPECT_EQ(origin.y - outer.top, border + (inner - line) / 2);
  }
}

// A point above or below the line is border: no caret, no selection there.
TEST_F(StartUp, BandAroundTheLineHitsTheBorder) {
  const HWND box = Box(CentimetreBoxId);
  RECT outer;
  GetWindowRect(box, &outer);
  RECT line;
  GetClientRect(box, &line);
  MapWindowPoints(box, nullptr, reinterpret_cast<POINT*>(&line), 2);
  const LONG x = (outer.left + outer.right) / 2;
  struct Probe {
    LONG y;
    LRESULT hit;
  };
  const Probe probes[] = {
      {outer.top, HTBORDER},      {line.top - 1, HTBORDER},  {line.top, HTCLIENT},
      {line.bottom - 1, HTCLIENT}, {line.bottom, HTBORDER}, {outer.bottom - 1, HTBORDER},
  };
  for (const Probe& probe : probes) {
    SCOPED_TRACE(probe.y - outer.top);
    EXPECT_EQ(SendMessageA(box, WM_NCHITTEST, 0, MAKELPARAM(x, probe.y)), probe.hit);
  }
}

TEST_F(StartUp, BoxesAreBlackOnWhite) {
  const HDC dc = GetDC(Box(PixelBoxId));
  const LRESULT brush = SendMessageA(window, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                     reinterpret_cast<LPARAM>(Box(PixelBoxId)));
  EXPECT_NE(brush, 0);
  EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  LOGBRUSH described{};
  GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof described, &described);
  EXPECT_EQ(described.lbColor, RGB(255, 255, 255));
  ReleaseDC(Box(PixelBoxId), dc);
}

// Read back from the screen: the band above the line is white, the border is
// the system's frame colour, and the window and labels show the button face.
TEST_F(StartUp, ScreenShowsWhiteBoxesOnTheButtonFace) {
  PumpFor(std::chrono::milliseconds(200));
  RECT outer;
  GetWindowRect(Box(ResolutionBoxId), &outer);
  RECT label;
  GetWindowRect(Box(Label1Id), &label);
  RECT client;
  GetClientRect(window, &client);
  POINT gap{client.right - 5, 5};
  ClientToScreen(window, &gap);
  const HDC screen = GetDC(nullptr);
  EXPECT_EQ(GetPixel(screen, outer.left + 40, outer.top + 2), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(screen, outer.left + 40, outer.top), GetSysColor(COLOR_WINDOWFRAME));
  EXPECT_EQ(GetPixel(screen, gap.x, gap.y), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(GetPixel(screen, label.right - 2, label.bottom - 2), GetSysColor(COLOR_BTNFACE));
  ReleaseDC(nullptr, screen);
}

// The link label's text is drawn in blue with the label's own painting.
TEST_F(StartUp, LinkLabelTextIsBlue) {
  PumpFor(std::chrono::milliseconds(200));
  RECT label;
  GetWindowRect(Box(Label5Id), &label);
  const HDC screen = GetDC(nullptr);
  int blue = 0;
  for (LONG y = label.top; y < label.bottom; ++y) {
    for (LONG x = label.left; x < label.right; ++x) {
      if (GetPixel(screen, x, y) == RGB(0, 0, 255)) ++blue;
    }
  }
  ReleaseDC(nullptr, screen);
  EXPECT_GT(blue, 20);
}

TEST_F(StartUp, QueryEndSessionIsAnsweredYes) {
  EXPECT_EQ(SendMessageA(window, WM_QUERYENDSESSION, 0, 0), TRUE);
  EXPECT_TRUE(IsWindow(window));
}

}  // namespace
}  // namespace tessavor::test
