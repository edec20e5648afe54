// Tab order over the controls in creation order: only visible, enabled tab
// stops take part, and the order wraps round in both directions.
#include "ui/tab_order.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace tessavor {
namespace {

constexpr TabCandidate Label{false, true, true};
constexpr TabCandidate Box{true, true, true};
constexpr TabCandidate HiddenBox{true, false, true};
constexpr TabCandidate DisabledBox{true, true, false};

// The main window's creation order: three labels, the three boxes
// (resolution 3, centimetres 4, pixels 5), the tips and the link label.
const std::vector<TabCandidate> MainWindowOrder = {Label, Label, Label, Box, Box, Box, Label, Label};

struct Move {
  std::optional<std::size_t> from;
  bool backwards;
  std::optional<std::size_t> to;
};

TEST(TabOrder, CyclesThroughTheBoxesOnly) {
  const Move moves[] = {
      {3, false, 4}, {4, false, 5}, {5, false, 3},  // pixels wraps to resolution
      {3, true, 5},  {5, true, 4},  {4, true, 3},   // Shift+Tab from resolution goes to pixels
      // From a control outside the order, the next box in creation order.
      {0, false, 3}, {7, false, 3}, {7, true, 5}, {6, true, 5},
      // With nothing focused: the first, or for Shift+Tab the last, box.
      {std::nullopt, false, 3}, {std::nullopt, true, 5},
  };
  for (const Move& move : moves) {
    SCOPED_TRACE(testing::Message() << "from " << (move.from ? int(*move.from) : -1)
                                    << (move.backwards ? " backwards" : " forwards"));
    EXPECT_EQ(NextTabStop(MainWindowOrder, move.from, move.backwards), move.to);
  }
}

TEST(TabOrder, SkipsHiddenAndDisabledBoxes) {
  const std::vector<TabCandidate> order = {Box, HiddenBox, DisabledBox, Box};
  EXPECT_EQ(NextTabStop(order, 0, false), 3u);
  EXPECT_EQ(NextTabStop(order, 3, true), 0u);
  EXPECT_EQ(NextTabStop(order, 3, false), 0u);
}

TEST(TabOrder, NoneWithoutAnyTabStop) {
  const std::vector<TabCandidate> labels = {Label, HiddenBox, DisabledBox};
  EXPECT_EQ(NextTabStop(labels, 0, false), std::nullopt);
  EXPECT_EQ(NextTabStop({}, std::nullopt, false), std::nullopt);
}

TEST(TabOrder, ASingleBoxKeepsTheFocus) {
  const std::vector<TabCandidate> order = {Label, Box, Label};
  EXPECT_EQ(NextTabStop(order, 1, false), 1u);
  EXPECT_EQ(NextTabStop(order, 1, true), 1u);
}

}  // namespace
}  // namespace tessavor
