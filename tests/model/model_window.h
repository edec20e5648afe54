// A platform-free model of the whole window as the user drives it: the three
// edit boxes with their text and selection, the keyboard focus and the
// window's activation, and its own copy of the converter's two flags and
// seven handlers. It logs every control event in the order the window
// raises them, with what the handler saw, as the recording binding table
// does for the real window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "tests/model/model_box.h"
#include "tests/model/walk_action.h"
#include "ui/control_event.h"

namespace tessavor::model {

struct ModelEvent {
  std::uint32_t control;
  ControlEvent event;
  std::string text;             // the box's text when raised; empty for a label
  std::int32_t centimetreFlag;  // the flags before the handler ran
  std::int32_t pixelFlag;
  bool operator==(const ModelEvent&) const = default;
};

// The boxes in creation order: resolution, centimetres, pixels.
inline constexpr std::size_t BoxCount = 3;
std::uint32_t BoxControl(std::size_t box);
std::optional<std::size_t> BoxOf(std::uint32_t control);

struct ModelWindow {
  std::array<ModelBox, BoxCount> boxes;
  // The box with the keyboard focus; none while another window is active.
  std::optional<std::size_t> focus;
  std::optional<std::size_t> focusAtDeactivation;
  bool active = true;
  std::int32_t centimetreBoxFocused = 0;
  std::int32_t pixelBoxFocused = 0;
  std::vector<ModelEvent> events;
};

// Just after start-up: "72" and two empty boxes, each caret at 0, the focus
// in the resolution box, both flags 0, no events.
ModelWindow StartingWindow();

// Whether the walk may take the action in this state: nothing but
// reactivation while the window is inactive, no edit at an uncertain caret,
// and no press on the link label, whose handler opens a web page.
bool IsApplicable(const ModelWindow& window, const Action& action);

// Requires IsApplicable.
void Apply(ModelWindow& window, const Action& action);

}  // namespace tessavor::model
