// Event delivery: the binding lookup and the suspension counter. Nothing is
// queued; an event that cannot be delivered now is dropped.
#include "ui/control_event.h"

namespace tessavor {

std::uint32_t eventsSuspended = 0;

namespace {

// The table is a handful of rows, so a linear search is all it needs.
Handler FindHandler(std::uint32_t window, std::uint32_t control, ControlEvent event) {
  for (const Binding& binding : Bindings()) {
    if (binding.window == window && binding.control == control && binding.event == event) {
      return binding.handler;
    }
  }
  return nullptr;
}

}  // namespace

EventResult RaiseControlEvent(std::uint32_t window, std::uint32_t control, ControlEvent event,
                              EventArguments arguments) {
  if (eventsSuspended > 0) return {};
  const Handler handler = FindHandler(window, control, event);
  if (handler == nullptr) return {};
  return EventResult{true, handler(arguments)};
}

}  // namespace tessavor
