// Three boxes kept in memory, delivering focus and text events to the
// converter by the same rules as the window: one synchronous TextChanged per
// write, nested inside the writer, and FocusLost before FocusGained. It drives
// the converter in tests and in the command-line converter.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tessavor::memory_host {

// Event numbers as the window numbers them.
inline constexpr int FocusGained = -7;
inline constexpr int FocusLost = -8;
inline constexpr int TextChanged = 0;

struct Delivery {
  std::uint32_t control;
  int event;
  bool operator==(const Delivery&) const = default;
};

// The start-up state: "72" and two empty boxes, the focus in the resolution
// box (so both converter flags are 0), an empty event log.
void Reset();

// Moves the keyboard focus to `control`: FocusLost for the box that had it,
// then FocusGained for the new one.
void MoveFocus(std::uint32_t control);

// The user replaces the box's text (typing, paste, delete): TextChanged.
void Edit(std::uint32_t control, std::string_view text);

const std::string& Text(std::uint32_t control);
std::uint32_t FocusedControl();

// Every event delivered since Reset, in order, also those nobody handles.
const std::vector<Delivery>& Log();

}  // namespace tessavor::memory_host
