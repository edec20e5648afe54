// The model's rules. The focus moves as the window moves it: the old box is
// normalised (its TextChanged first), then its FocusLost, then the new box's
// FocusGained. The handlers follow the converter's rules on the model's own
// flags, with the project's number texts and extended arithmetic.
#include "tests/model/model_window.h"

#include <bit>
#include <cassert>
#include <span>

#include "core/converter.h"
#include "core/extended.h"
#include "core/numeric_text.h"
#include "tests/model/edit_characters.h"
#include "ui/form_description.h"
#include "ui/numeric_input.h"
#include "ui/tab_order.h"

namespace tessavor::model {

namespace {

constexpr std::uint32_t BoxControls[BoxCount] = {ResolutionBoxId, CentimetreBoxId, PixelBoxId};

// The two factors as the converter states them: 0.3937007874016 and 2.54,
// each rounded to double.
constexpr double InchesPerCentimetre = std::bit_cast<double>(0x3FD93264C9932813ull);
constexpr double CentimetresPerInch = std::bit_cast<double>(0x400451EB851EB852ull);

void Raise(ModelWindow& window, std::uint32_t control, ControlEvent event);

// A write of the text property: the new text, then exactly one TextChanged.
void Write(ModelWindow& window, std::uint32_t control, const std::string& text) {
  ReplaceText(window.boxes[*BoxOf(control)], text);
  Raise(window, control, ControlEvent::TextChanged);
}

double BoxNumber(const ModelWindow& window, std::uint32_t control) {
  return TextToNumber(TextOf(window.boxes[*BoxOf(control)]));
}

void CentimetresToPixels(ModelWindow& window) {
  const double cm = BoxNumber(window, CentimetreBoxId);
  const double dpi = BoxNumber(window, ResolutionBoxId);
  Write(window, PixelBoxId, NumberToText(MultiplyInExtended(cm, dpi, InchesPerCentimetre)));
}

void PixelsToCentimetres(ModelWindow& window) {
  const double px = BoxNumber(window, PixelBoxId);
  const double dpi = BoxNumber(window, ResolutionBoxId);
  const Extended inches = ExtendedFromDouble(DivideInExtended(px, dpi));
  const double cm = ExtendedToDouble(ExtendedMultiply(inches, ExtendedFromDouble(CentimetresPerInch)));
  Write(window, CentimetreBoxId, NumberToText(cm));
}

// The seven handlers, by the control and event they are bound to.
void Handle(ModelWindow& window, std::uint32_t control, ControlEvent event) {
  if (control == CentimetreBoxId) {
    if (event == ControlEvent::FocusGained) window.centimetreBoxFocused = 1;
    if (event == ControlEvent::FocusLost) window.centimetreBoxFocused = 0;
    if (event == ControlEvent::TextChanged && window.centimetreBoxFocused == 1) CentimetresToPixels(window);
  } else if (control == PixelBoxId) {
    if (event == ControlEvent::FocusGained) window.pixelBoxFocused = 1;
    if (event == ControlEvent::FocusLost) window.pixelBoxFocused = 0;
    if (event == ControlEvent::TextChanged && window.pixelBoxFocused == 1) PixelsToCentimetres(window);
  } else if (control == ResolutionBoxId && event == ControlEvent::TextChanged) {
    Write(window, CentimetreBoxId, "");
    Write(window, PixelBoxId, "");
  }
}

void Raise(ModelWindow& window, std::uint32_t control, ControlEvent event) {
  const std::optional<std::size_t> box = BoxOf(control);
  window.events.push_back(ModelEvent{control, event, box ? TextOf(window.boxes[*box]) : std::string(),
                                     window.centimetreBoxFocused, window.pixelBoxFocused});
  Handle(window, control, event);
}

// The focused box lost the focus: it rewrites its text in normal form, which
// is reported as a change, and then reports the loss.
void LeaveFocusedBox(ModelWindow& window) {
  const std::size_t old = *window.focus;
  ModelBox& box = window.boxes[old];
  const std::string text = TextOf(box);
  const std::string normal = NormalisedText(text);
  if (normal != text) {
    const ModelBox before = box;
    ReplaceText(box, normal);
    Raise(window, BoxControls[old], ControlEvent::TextChanged);
    PlaceCaretAfterNormalisation(box, before);
  }
  window.focus.reset();
  Raise(window, BoxControls[old], ControlEvent::FocusLost);
}

void MoveFocus(ModelWindow& window, std::size_t to) {
  if (window.focus == to) return;
  LeaveFocusedBox(window);
  window.focus = to;
  Raise(window, BoxControls[to], ControlEvent::FocusGained);
}

std::span<const ControlRecord> FormControls() { return FormDescriptions()[0].controls; }

std::optional<std::size_t> FormIndexOf(std::uint32_t control) {
  const auto controls = FormControls();
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (controls[i].identifier == control) return i;
  }
  return std::nullopt;
}

std::size_t TabTarget(std::size_t from, bool backwards) {
  std::vector<TabCandidate> candidates;
  for (const ControlRecord& record : FormControls()) {
    candidates.push_back(TabCandidate{record.tabStop, record.visible, record.enabled});
  }
  const std::optional<std::size_t> next = NextTabStop(candidates, FormIndexOf(BoxControls[from]), backwards);
  return *BoxOf(FormControls()[*next].identifier);
}

// A user edit of the focused box: one TextChanged when the text changed.
void AfterEdit(ModelWindow& window, bool changed) {
  if (changed) Raise(window, BoxControls[*window.focus], ControlEvent::TextChanged);
}

bool DependsOnCaret(const Action& action) {
  switch (action.kind) {
    case ActionKind::Type:
      return IsAcceptedCharacter(static_cast<unsigned char>(action.text[0]));
    case ActionKind::Backspace:
    case ActionKind::Delete:
    case ActionKind::Paste:
      return true;
    default:
      return false;
  }
}

}  // namespace

std::uint32_t BoxControl(std::size_t box) { return BoxControls[box]; }

std::optional<std::size_t> BoxOf(std::uint32_t control) {
  for (std::size_t i = 0; i < BoxCount; ++i) {
    if (BoxControls[i] == control) return i;
  }
  return std::nullopt;
}

ModelWindow StartingWindow() {
  ModelWindow window;
  for (std::size_t i = 0; i < BoxCount; ++i) {
    const std::optional<std::size_t> index = FormIndexOf(BoxControls[i]);
    ReplaceText(window.boxes[i], FormControls()[*index].text);
  }
  window.focus = 0;
  return window;
}

bool IsApplicable(const ModelWindow& window, const Action& action) {
  if (action.kind == ActionKind::Reactivate) return !window.active;
  if (!window.active) return false;
  if (action.kind == ActionKind::ClickLabel) {
    return action.control != Label5Id && !BoxOf(action.control) && FormIndexOf(action.control).has_value();
  }
  if (action.kind == ActionKind::ClickBox) return BoxOf(action.control).has_value();
  return !(DependsOnCaret(action) && window.boxes[*window.focus].caretUncertain);
}

void Apply(ModelWindow& window, const Action& action) {
  assert(IsApplicable(window, action));
  switch (action.kind) {
    case ActionKind::Type:
      if (IsAcceptedCharacter(static_cast<unsigned char>(action.text[0]))) {
        AfterEdit(window, ReplaceSelection(window.boxes[*window.focus], {action.text}));
      }
      break;
    case ActionKind::Backspace:
      AfterEdit(window, DeleteBackward(window.boxes[*window.focus]));
      break;
    case ActionKind::Delete:
      AfterEdit(window, DeleteForward(window.boxes[*window.focus]));
      break;
    case ActionKind::Home:
      MoveCaretHome(window.boxes[*window.focus]);
      break;
    case ActionKind::End:
      MoveCaretEnd(window.boxes[*window.focus]);
      break;
    case ActionKind::SelectAll:
      SelectAll(window.boxes[*window.focus]);
      break;
    case ActionKind::Paste:
      AfterEdit(window, ReplaceSelection(window.boxes[*window.focus], EditCharacters(action.text)));
      break;
    case ActionKind::Tab:
    case ActionKind::ShiftTab:
      MoveFocus(window, TabTarget(*window.focus, action.kind == ActionKind::ShiftTab));
      break;
    case ActionKind::ClickBox: {
      // The press is raised before the box handles it and takes the focus.
      Raise(window, action.control, ControlEvent::LeftButtonDown);
      const std::size_t box = *BoxOf(action.control);
      MoveFocus(window, box);
      MoveCaretEnd(window.boxes[box]);
      break;
    }
    case ActionKind::ClickLabel:
      Raise(window, action.control, ControlEvent::LeftButtonDown);
      break;
    case ActionKind::Deactivate:
      window.focusAtDeactivation = window.focus;
      LeaveFocusedBox(window);
      window.active = false;
      break;
    case ActionKind::Reactivate:
      window.active = true;
      window.focus = window.focusAtDeactivation.value_or(0);
      Raise(window, BoxControls[*window.focus], ControlEvent::FocusGained);
      break;
  }
}

}  // namespace tessavor::model
