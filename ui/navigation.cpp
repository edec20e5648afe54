// Tab order over the built controls, with their visibility and enabled state
// read live from the windows.
#include "ui/navigation.h"

#include <optional>
#include <vector>

#include "ui/tab_order.h"
#include "ui/window_registry.h"

namespace tessavor {

namespace {

std::vector<TabCandidate> Candidates() {
  std::vector<TabCandidate> candidates;
  for (const BuiltControl& built : BuiltControls()) {
    candidates.push_back(TabCandidate{built.record->tabStop, IsWindowVisible(built.handle) != FALSE,
                                      IsWindowEnabled(built.handle) != FALSE});
  }
  return candidates;
}

HWND HandleAt(std::optional<std::size_t> index) {
  return index ? BuiltControls()[*index].handle : nullptr;
}

}  // namespace

HWND TabStopAfter(HWND current, bool backwards) {
  std::optional<std::size_t> position;
  const auto controls = BuiltControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].handle == current) position = i;
  }
  return HandleAt(NextTabStop(Candidates(), position, backwards));
}

HWND FirstTabStop() { return HandleAt(NextTabStop(Candidates(), std::nullopt, false)); }

}  // namespace tessavor
