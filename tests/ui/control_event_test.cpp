// Event delivery through a binding table of this test's own: the lookup by
// window, control and event, the handler's returned value, nesting, and the
// suspension counter.
#include "ui/control_event.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessavor {
namespace {

std::vector<std::string> calls;
std::vector<std::int32_t> lastArguments;

void Plain() { calls.push_back("plain"); }
void Point(std::int32_t x, std::int32_t y, std::int32_t keys) {
  calls.push_back("point");
  lastArguments = {x, y, keys};
}
std::optional<std::int32_t> ReturnsZero(EventArguments) {
  calls.push_back("zero");
  return 0;
}
// Raises another event from inside its handler, as a write does.
std::optional<std::int32_t> Nests(EventArguments) {
  calls.push_back("outer begins");
  RaiseControlEvent(1, 10, ControlEvent::TextChanged);
  calls.push_back("outer ends");
  return std::nullopt;
}

const Binding TestTable[] = {
    {1, 10, ControlEvent::TextChanged, WithoutArguments<Plain>},
    {1, 10, ControlEvent::LeftButtonDown, WithPointAndKeys<Point>},
    {1, 11, ControlEvent::LeftButtonDown, ReturnsZero},
    {1, 12, ControlEvent::FocusLost, Nests},
    {1, 13, ControlEvent::FocusGained, nullptr},
};

class ControlEventTest : public testing::Test {
 protected:
  void SetUp() override {
    calls.clear();
    lastArguments.clear();
    eventsSuspended = 0;
  }
};

TEST_F(ControlEventTest, DeliversToTheHandlerBoundToWindowControlAndEvent) {
  const EventResult result = RaiseControlEvent(1, 10, ControlEvent::TextChanged);
  EXPECT_TRUE(result.delivered);
  EXPECT_FALSE(result.returned.has_value());
  EXPECT_EQ(calls, std::vector<std::string>{"plain"});
}

TEST_F(ControlEventTest, UnboundEventsAreDroppedSilently) {
  struct Unbound {
    std::uint32_t window, control;
    ControlEvent event;
  };
  const Unbound cases[] = {
      {2, 10, ControlEvent::TextChanged},   // another window
      {1, 14, ControlEvent::TextChanged},   // another control
      {1, 10, ControlEvent::FocusGained},   // another event
      {1, 13, ControlEvent::FocusGained},   // a row that names no handler
  };
  for (const Unbound& c : cases) {
    SCOPED_TRACE(c.control);
    EXPECT_FALSE(RaiseControlEvent(c.window, c.control, c.event).delivered);
  }
  EXPECT_TRUE(calls.empty());
}

TEST_F(ControlEventTest, PassesArgumentsInOrder) {
  const std::int32_t arguments[] = {65535, 7, 2};
  EXPECT_TRUE(RaiseControlEvent(1, 10, ControlEvent::LeftButtonDown, arguments).delivered);
  EXPECT_EQ(lastArguments, (std::vector<std::int32_t>{65535, 7, 2}));
}

TEST_F(ControlEventTest, AReturnedZeroIsAValue) {
  const EventResult result = RaiseControlEvent(1, 11, ControlEvent::LeftButtonDown);
  EXPECT_TRUE(result.delivered);
  ASSERT_TRUE(result.returned.has_value());
  EXPECT_EQ(*result.returned, 0);
}

TEST_F(ControlEventTest, NestedEventsRunInsideTheOuterHandler) {
  RaiseControlEvent(1, 12, ControlEvent::FocusLost);
  EXPECT_EQ(calls, (std::vector<std::string>{"outer begins", "plain", "outer ends"}));
}

TEST_F(ControlEventTest, NothingIsDeliveredOrQueuedWhileSuspended) {
  eventsSuspended = 1;
  EXPECT_FALSE(RaiseControlEvent(1, 10, ControlEvent::TextChanged).delivered);
  eventsSuspended = 2;
  EXPECT_FALSE(RaiseControlEvent(1, 11, ControlEvent::LeftButtonDown).delivered);
  eventsSuspended = 0;
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(RaiseControlEvent(1, 10, ControlEvent::TextChanged).delivered);
  EXPECT_EQ(calls, std::vector<std::string>{"plain"});
}

TEST(ControlEventNumbers, AreTheNumbersTheFormStores) {
  struct Number {
    ControlEvent event;
    std::int32_t value;
  };
  const Number numbers[] = {
      {ControlEvent::TextChanged, 0},      {ControlEvent::LeftButtonDown, -1},
      {ControlEvent::LeftButtonUp, -2},    {ControlEvent::LeftButtonDoubleClick, -3},
      {ControlEvent::RightButtonDown, -4}, {ControlEvent::RightButtonUp, -5},
      {ControlEvent::MouseMove, -6},       {ControlEvent::FocusGained, -7},
      {ControlEvent::FocusLost, -8},       {ControlEvent::KeyDown, -9},
      {ControlEvent::KeyUp, -10},          {ControlEvent::Character, -11},
      {ControlEvent::MouseWheel, -12},
  };
  for (const Number& n : numbers) {
    SCOPED_TRACE(n.value);
    EXPECT_EQ(static_cast<std::int32_t>(n.event), n.value);
  }
}

}  // namespace

std::span<const Binding> Bindings() { return TestTable; }

}  // namespace tessavor
