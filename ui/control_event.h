// Control events: the numbers the binding table stores, the shape of a bound
// handler, and RaiseControlEvent, the one place that delivers an event.
// Platform-free: the window code translates notifications into these.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tessavor {

enum class ControlEvent : std::int32_t {
  TextChanged = 0,
  LeftButtonDown = -1,
  LeftButtonUp = -2,
  LeftButtonDoubleClick = -3,
  RightButtonDown = -4,
  RightButtonUp = -5,
  MouseMove = -6,
  FocusGained = -7,
  FocusLost = -8,
  KeyDown = -9,
  KeyUp = -10,
  Character = -11,
  MouseWheel = -12,
};

// The event's arguments in order; LeftButtonDown has x, y and key state.
using EventArguments = std::span<const std::int32_t>;

// A bound routine as the table stores it. It returns the value the handler
// returned, or none when the handler returns no value; a returned 0 is a value.
using Handler = std::optional<std::int32_t> (*)(EventArguments);

// Adapters that bind a handler of one of the program's two shapes.
template <void (*Routine)()>
std::optional<std::int32_t> WithoutArguments(EventArguments) {
  Routine();
  return std::nullopt;
}

template <void (*Routine)(std::int32_t x, std::int32_t y, std::int32_t keyState)>
std::optional<std::int32_t> WithPointAndKeys(EventArguments arguments) {
  Routine(arguments[0], arguments[1], arguments[2]);
  return std::nullopt;
}

// One row of the binding table: (window, control, event) -> handler.
// The window's own events use the window identifier as the control.
struct Binding {
  std::uint32_t window;
  std::uint32_t control;
  ControlEvent event;
  Handler handler;
};

// The binding table linked into the program (ui/bindings.cpp in the shipped
// program; tests link a table of their own).
std::span<const Binding> Bindings();

struct EventResult {
  bool delivered = false;
  std::optional<std::int32_t> returned;
};

// While above 0, no event is delivered. The window build holds it for its
// duration; the exit processing and the fatal error path raise it for good.
extern std::uint32_t eventsSuspended;

// Calls the bound handler synchronously; unbound and suspended events are
// dropped. Handlers may write boxes, so calls nest.
EventResult RaiseControlEvent(std::uint32_t window, std::uint32_t control, ControlEvent event,
                              EventArguments arguments = {});

}  // namespace tessavor
