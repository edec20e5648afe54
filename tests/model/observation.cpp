// Building the expected observation from the model, and describing how the
// real window differs from it.
#include "tests/model/observation.h"

#include <cstdio>
#include <sstream>

namespace tessavor::model {

namespace {

const char* const BoxNames[BoxCount] = {"resolution", "centimetres", "pixels"};

std::string FocusName(const std::optional<std::size_t>& focus) { return focus ? BoxNames[*focus] : "none"; }

std::string Describe(const ModelEvent& event) {
  std::ostringstream out;
  out << std::hex << event.control << std::dec << ":" << static_cast<int>(event.event) << " \""
      << Printable(event.text) << "\" flags " << event.centimetreFlag << event.pixelFlag;
  return out.str();
}

std::string Describe(const std::vector<ModelEvent>& events) {
  std::string text = "[";
  for (const ModelEvent& event : events) text += (text.size() > 1 ? ", " : "") + Describe(event);
  return text + "]";
}

std::string Describe(const std::optional<std::pair<std::size_t, std::size_t>>& selection) {
  if (!selection) return "unknown";
  return std::to_string(selection->first) + "," + std::to_string(selection->second);
}

}  // namespace

std::string Printable(const std::string& bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= ' ' && byte < 0x7F && byte != '\\') {
      text += c;
    } else {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      text += escape;
    }
  }
  return text;
}

Observation Expected(const ModelWindow& window) {
  Observation expected;
  for (std::size_t i = 0; i < BoxCount; ++i) {
    const ModelBox& box = window.boxes[i];
    expected.texts[i] = TextOf(box);
    if (!box.caretUncertain) expected.selections[i] = std::make_pair(box.selectionStart, box.selectionEnd);
  }
  expected.centimetreBoxFocused = window.centimetreBoxFocused;
  expected.pixelBoxFocused = window.pixelBoxFocused;
  expected.focus = window.focus;
  expected.events = window.events;
  return expected;
}

std::string Differences(const Observation& expected, const Observation& actual) {
  std::ostringstream out;
  for (std::size_t i = 0; i < BoxCount; ++i) {
    if (expected.texts[i] != actual.texts[i]) {
      out << BoxNames[i] << " text: expected \"" << Printable(expected.texts[i]) << "\", real \""
          << Printable(actual.texts[i]) << "\"\n";
    }
    if (expected.selections[i] && expected.selections[i] != actual.selections[i]) {
      out << BoxNames[i] << " selection: expected " << Describe(expected.selections[i]) << ", real "
          << Describe(actual.selections[i]) << "\n";
    }
  }
  if (expected.centimetreBoxFocused != actual.centimetreBoxFocused ||
      expected.pixelBoxFocused != actual.pixelBoxFocused) {
    out << "flags: expected " << expected.centimetreBoxFocused << expected.pixelBoxFocused << ", real "
        << actual.centimetreBoxFocused << actual.pixelBoxFocused << "\n";
  }
  if (expected.focus != actual.focus) {
    out << "focus: expected " << FocusName(expected.focus) << ", real " << FocusName(actual.focus) << "\n";
  }
  if (expected.events != actual.events) {
    out << "events: expected " << Describe(expected.events) << "\n        real     " << Describe(actual.events)
        << "\n";
  }
  return out.str();
}

}  // namespace tessavor::model
