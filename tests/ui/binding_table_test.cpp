// The program's binding table against the layout's binding list: the seven
// converter handlers, each on its box and notification, the link label's
// press, and nothing else.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/converter.h"
#include "tests/ui/recorded_web_address.h"
#include "ui/control_event.h"
#include "ui/form_description.h"
#include "ui/link_label.h"

namespace tessavor {
namespace {

struct ExpectedBinding {
  const char* description;
  std::uint32_t control;
  ControlEvent event;
  Handler handler;
};

TEST(BindingTable, BindsTheSevenConverterHandlersAndTheLinkLabel) {
  const ExpectedBinding expected[] = {
      {"厘米 got the focus", CentimetreBoxId, ControlEvent::FocusGained, WithoutArguments<OnCentimetreFocusGained>},
      {"厘米 lost the focus", CentimetreBoxId, ControlEvent::FocusLost, WithoutArguments<OnCentimetreFocusLost>},
      {"厘米 text changed", CentimetreBoxId, ControlEvent::TextChanged, WithoutArguments<OnCentimetreTextChanged>},
      {"像素 got the focus", PixelBoxId, ControlEvent::FocusGained, WithoutArguments<OnPixelFocusGained>},
      {"像素 lost the focus", PixelBoxId, ControlEvent::FocusLost, WithoutArguments<OnPixelFocusLost>},
      {"像素 text changed", PixelBoxId, ControlEvent::TextChanged, WithoutArguments<OnPixelTextChanged>},
      {"分辨率 text changed", ResolutionBoxId, ControlEvent::TextChanged, WithoutArguments<OnResolutionTextChanged>},
      {"标签5 pressed", Label5Id, ControlEvent::LeftButtonDown, WithPointAndKeys<OnLinkLabelLeftButtonDown>},
  };
  const auto table = Bindings();
  ASSERT_EQ(table.size(), std::size(expected));
  for (const ExpectedBinding& binding : expected) {
    SCOPED_TRACE(binding.description);
    int matches = 0;
    for (const Binding& row : table) {
      if (row.window == MainWindowId && row.control == binding.control && row.event == binding.event) {
        ++matches;
        EXPECT_EQ(row.handler, binding.handler);
      }
    }
    EXPECT_EQ(matches, 1);
  }
}

// The resolution box's focus events and the window's own events are unbound.
TEST(BindingTable, LeavesTheOtherNotificationsUnbound) {
  for (const Binding& row : Bindings()) {
    EXPECT_FALSE(row.control == ResolutionBoxId && row.event != ControlEvent::TextChanged);
    EXPECT_NE(row.control, MainWindowId);
    EXPECT_NE(row.handler, nullptr);
  }
}

struct Press {
  const char* description;
  std::int32_t x, y, keyState;
};

// Wherever the press lands and whatever keys are down, the bound handler
// opens the home page once and returns no value, so the press reaches the
// label.
TEST(BindingTable, LinkLabelPressOpensTheHomePageOnce) {
  Handler handler = nullptr;
  for (const Binding& row : Bindings()) {
    if (row.window == MainWindowId && row.control == Label5Id && row.event == ControlEvent::LeftButtonDown) {
      handler = row.handler;
    }
  }
  ASSERT_NE(handler, nullptr);
  const Press presses[] = {
      {"on the text", 20, 8, 0},
      {"beyond the text, far corner", 143, 15, 0},
      {"with Ctrl, Shift and Alt", 0, 0, 7},
  };
  for (const Press& press : presses) {
    SCOPED_TRACE(press.description);
    test::OpenedWebAddresses().clear();
    const std::int32_t arguments[] = {press.x, press.y, press.keyState};
    EXPECT_EQ(handler(EventArguments(arguments)), std::nullopt);
    EXPECT_EQ(test::OpenedWebAddresses(), std::vector<std::string>{HomePageAddress});
  }
}

TEST(BindingTable, HomePageIsAnAbsoluteHttpAddress) {
  const std::string address = HomePageAddress;
  EXPECT_EQ(address.rfind("http://", 0), 0u) << address;
  EXPECT_GT(address.size(), std::string("http://").size());
  EXPECT_EQ(address.find_first_of(" \"\\"), std::string::npos) << address;
}

}  // namespace
}  // namespace tessavor
