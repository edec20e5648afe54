// Tab order is creation order restricted to visible, enabled tab stops.
#include "ui/tab_order.h"

namespace tessavor {

namespace {

bool TakesPart(const TabCandidate& control) {
  return control.tabStop && control.visible && control.enabled;
}

}  // namespace

std::optional<std::size_t> NextTabStop(std::span<const TabCandidate> controls,
                                       std::optional<std::size_t> current, bool backwards) {
  const std::size_t count = controls.size();
  if (count == 0) return std::nullopt;
  // Start just outside the list when nothing is current, so the first step
  // lands on the first (or last) control.
  std::size_t index = current.value_or(backwards ? 0 : count - 1);
  for (std::size_t step = 0; step < count; ++step) {
    index = backwards ? (index + count - 1) % count : (index + 1) % count;
    if (TakesPart(controls[index])) return index;
  }
  return std::nullopt;
}

}  // namespace tessavor
