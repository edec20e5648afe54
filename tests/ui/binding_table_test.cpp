// The program's binding table against the layout's binding list: the seven
// converter handlers, each on its box and notification, and nothing else.
#include <gtest/gtest.h>

#include "core/converter.h"
#include "ui/control_event.h"

namespace tessavor {
namespace {

struct ExpectedBinding {
  const char* description;
  std::uint32_t control;
  ControlEvent event;
  Handler handler;
};

TEST(BindingTable, BindsTheSevenConverterHandlers) {
  const ExpectedBinding expected[] = {
      {"厘米 got the focus", CentimetreBoxId, ControlEvent::FocusGained, WithoutArguments<OnCentimetreFocusGained>},
      {"厘米 lost the focus", CentimetreBoxId, ControlEvent::FocusLost, WithoutArguments<OnCentimetreFocusLost>},
      {"厘米 text changed", CentimetreBoxId, ControlEvent::TextChanged, WithoutArguments<OnCentimetreTextChanged>},
      {"像素 got the focus", PixelBoxId, ControlEvent::FocusGained, WithoutArguments<OnPixelFocusGained>},
      {"像素 lost the focus", PixelBoxId, ControlEvent::FocusLost, WithoutArguments<OnPixelFocusLost>},
      {"像素 text changed", PixelBoxId, ControlEvent::TextChanged, WithoutArguments<OnPixelTextChanged>},
      {"分辨率 text changed", ResolutionBoxId, ControlEvent::TextChanged, WithoutArguments<OnResolutionTextChanged>},
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

}  // namespace
}  // namespace tessavor
