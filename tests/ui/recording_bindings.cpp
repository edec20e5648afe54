// The test program's binding table: every focus, text and press event of
// every control is logged with what its handler saw, then passed on to the
// converter handler that the program binds, if any.
#include <string>

#include "core/control_host.h"
#include "core/converter.h"
#include "tests/ui/window_test_support.h"
#include "ui/control_event.h"
#include "ui/fatal_error.h"
#include "ui/form_description.h"
#include "ui/window_registry.h"

namespace tessavor {

namespace test {

std::vector<LoggedEvent>& EventLog() {
  static std::vector<LoggedEvent> log;
  return log;
}

std::optional<std::int32_t> leftButtonDownReply;

namespace {

bool IsBox(std::uint32_t control) {
  return control == ResolutionBoxId || control == CentimetreBoxId || control == PixelBoxId;
}

void Log(std::uint32_t control, ControlEvent event, EventArguments arguments) {
  LoggedEvent logged{control, event, "", centimetreBoxFocused, pixelBoxFocused,
                     std::vector<std::int32_t>(arguments.begin(), arguments.end()),
                     BuiltWindowHandle(MainWindowId) != nullptr};
  if (IsBox(control)) logged.text = ReadControlText(MainWindowId, control).value_or("");
  EventLog().push_back(logged);
}

template <std::uint32_t Control, ControlEvent Event, void (*Forward)() = nullptr>
std::optional<std::int32_t> Record(EventArguments arguments) {
  Log(Control, Event, arguments);
  if constexpr (Forward != nullptr) Forward();
  return std::nullopt;
}

template <std::uint32_t Control>
std::optional<std::int32_t> RecordPress(EventArguments arguments) {
  Log(Control, ControlEvent::LeftButtonDown, arguments);
  return leftButtonDownReply;
}

constexpr std::uint32_t W = MainWindowId;
using E = ControlEvent;

const Binding RecordingTable[] = {
    {W, ResolutionBoxId, E::FocusGained, Record<ResolutionBoxId, E::FocusGained>},
    {W, ResolutionBoxId, E::FocusLost, Record<ResolutionBoxId, E::FocusLost>},
    {W, ResolutionBoxId, E::TextChanged, Record<ResolutionBoxId, E::TextChanged, OnResolutionTextChanged>},
    {W, CentimetreBoxId, E::FocusGained, Record<CentimetreBoxId, E::FocusGained, OnCentimetreFocusGained>},
    {W, CentimetreBoxId, E::FocusLost, Record<CentimetreBoxId, E::FocusLost, OnCentimetreFocusLost>},
    {W, CentimetreBoxId, E::TextChanged, Record<CentimetreBoxId, E::TextChanged, OnCentimetreTextChanged>},
    {W, PixelBoxId, E::FocusGained, Record<PixelBoxId, E::FocusGained, OnPixelFocusGained>},
    {W, PixelBoxId, E::FocusLost, Record<PixelBoxId, E::FocusLost, OnPixelFocusLost>},
    {W, PixelBoxId, E::TextChanged, Record<PixelBoxId, E::TextChanged, OnPixelTextChanged>},
    {W, W, E::LeftButtonDown, RecordPress<W>},
    {W, Label1Id, E::LeftButtonDown, RecordPress<Label1Id>},
    {W, Label2Id, E::LeftButtonDown, RecordPress<Label2Id>},
    {W, Label3Id, E::LeftButtonDown, RecordPress<Label3Id>},
    {W, ResolutionBoxId, E::LeftButtonDown, RecordPress<ResolutionBoxId>},
    {W, CentimetreBoxId, E::LeftButtonDown, RecordPress<CentimetreBoxId>},
    {W, PixelBoxId, E::LeftButtonDown, RecordPress<PixelBoxId>},
    {W, Label4Id, E::LeftButtonDown, RecordPress<Label4Id>},
    {W, Label5Id, E::LeftButtonDown, RecordPress<Label5Id>},
};

}  // namespace

}  // namespace test

std::span<const Binding> Bindings() { return test::RecordingTable; }

// A fatal error inside a test becomes an exception the test can catch.
void ReportFatalError(std::string_view message, std::int32_t errorCode) {
  throw test::FatalErrorReported{std::string(message), errorCode};
}

}  // namespace tessavor
