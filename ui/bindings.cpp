// The program's binding table: which handler each control notification
// calls, the converter's seven and the link label's press. Kept in its own
// file so a test program can link a table of its own.
#include "core/converter.h"
#include "ui/control_event.h"
#include "ui/form_description.h"
#include "ui/link_label.h"

namespace tessavor {

namespace {

constexpr Binding BindingTable[] = {
    {MainWindowId, CentimetreBoxId, ControlEvent::FocusGained, WithoutArguments<OnCentimetreFocusGained>},
    {MainWindowId, CentimetreBoxId, ControlEvent::FocusLost, WithoutArguments<OnCentimetreFocusLost>},
    {MainWindowId, CentimetreBoxId, ControlEvent::TextChanged, WithoutArguments<OnCentimetreTextChanged>},
    {MainWindowId, PixelBoxId, ControlEvent::FocusGained, WithoutArguments<OnPixelFocusGained>},
    {MainWindowId, PixelBoxId, ControlEvent::FocusLost, WithoutArguments<OnPixelFocusLost>},
    {MainWindowId, PixelBoxId, ControlEvent::TextChanged, WithoutArguments<OnPixelTextChanged>},
    {MainWindowId, ResolutionBoxId, ControlEvent::TextChanged, WithoutArguments<OnResolutionTextChanged>},
    {MainWindowId, Label5Id, ControlEvent::LeftButtonDown, WithPointAndKeys<OnLinkLabelLeftButtonDown>},
};

}  // namespace

std::span<const Binding> Bindings() { return BindingTable; }

}  // namespace tessavor
