// The in-memory host: the converter's ReadControlText and WriteControlText
// over three strings, and the binding of the seven converter handlers.
#include "core/memory_host.h"

#include <cstdlib>

#include "core/control_host.h"
#include "core/converter.h"

namespace tessavor::memory_host {
namespace {

struct Box {
  std::uint32_t control;
  std::string text;
};

Box boxes[] = {{ResolutionBoxId, "72"}, {CentimetreBoxId, ""}, {PixelBoxId, ""}};
std::uint32_t focused = ResolutionBoxId;
std::vector<Delivery> log;

struct Binding {
  std::uint32_t control;
  int event;
  void (*handler)();
};

// The converter's handlers; the resolution box's focus events have none.
constexpr Binding Bindings[] = {
    {CentimetreBoxId, FocusGained, OnCentimetreFocusGained},
    {CentimetreBoxId, FocusLost, OnCentimetreFocusLost},
    {CentimetreBoxId, TextChanged, OnCentimetreTextChanged},
    {PixelBoxId, FocusGained, OnPixelFocusGained},
    {PixelBoxId, FocusLost, OnPixelFocusLost},
    {PixelBoxId, TextChanged, OnPixelTextChanged},
    {ResolutionBoxId, TextChanged, OnResolutionTextChanged},
};

Box& FindBox(std::uint32_t control) {
  for (Box& box : boxes)
    if (box.control == control) return box;
  std::abort();  // the converter names only its three boxes
}

void Deliver(std::uint32_t control, int event) {
  log.push_back({control, event});
  for (const Binding& binding : Bindings)
    if (binding.control == control && binding.event == event) binding.handler();
}

}  // namespace

void Reset() {
  MoveFocus(ResolutionBoxId);
  FindBox(ResolutionBoxId).text = "72";
  FindBox(CentimetreBoxId).text.clear();
  FindBox(PixelBoxId).text.clear();
  log.clear();
}

void MoveFocus(std::uint32_t control) {
  if (control == focused) return;
  const std::uint32_t old = focused;
  focused = control;
  Deliver(old, FocusLost);
  Deliver(control, FocusGained);
}

void Edit(std::uint32_t control, std::string_view text) {
  FindBox(control).text.assign(text);
  Deliver(control, TextChanged);
}

const std::string& Text(std::uint32_t control) { return FindBox(control).text; }
std::uint32_t FocusedControl() { return focused; }
const std::vector<Delivery>& Log() { return log; }

}  // namespace tessavor::memory_host

namespace tessavor {

std::optional<std::string> ReadControlText(std::uint32_t window, std::uint32_t control) {
  if (window != MainWindowId) std::abort();
  const std::string& text = memory_host::Text(control);
  if (text.empty()) return std::nullopt;
  return text;
}

void WriteControlText(std::uint32_t window, std::uint32_t control, std::string_view text) {
  if (window != MainWindowId) std::abort();
  memory_host::Edit(control, text);
}

}  // namespace tessavor
