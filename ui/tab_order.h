// Keyboard navigation between the controls: the next tab stop after the
// current control, forwards or backwards, wrapping round.
#pragma once

#include <cstddef>
#include <optional>
#include <span>

namespace tessavor {

// What navigation needs to know about one control, in creation order.
struct TabCandidate {
  bool tabStop;
  bool visible;
  bool enabled;
};

// The index of the control that Tab (or Shift+Tab, `backwards`) moves to from
// `current`; with no current control, the first (or last) tab stop. None when
// no control takes part.
std::optional<std::size_t> NextTabStop(std::span<const TabCandidate> controls,
                                       std::optional<std::size_t> current, bool backwards);

}  // namespace tessavor
