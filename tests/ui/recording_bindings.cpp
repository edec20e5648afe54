// The recording binding table: every focus, text and press event of every
// control is recorded, then passed on to the converter handler that the
// program binds, if any. The record itself belongs to whoever links this.
#include "core/converter.h"
#include "tests/ui/recording_bindings.h"
#include "ui/control_event.h"
#include "ui/form_description.h"

namespace tessavor {

namespace test {

namespace {

template <std::uint32_t Control, ControlEvent Event, void (*Forward)() = nullptr>
std::optional<std::int32_t> Record(EventArguments arguments) {
  RecordDeliveredEvent(Control, Event, arguments);
  if constexpr (Forward != nullptr) Forward();
  return std::nullopt;
}

template <std::uint32_t Control>
std::optional<std::int32_t> RecordPress(EventArguments arguments) {
  RecordDeliveredEvent(Control, ControlEvent::LeftButtonDown, arguments);
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

}  // namespace tessavor
