// The user actions of the model walk, and their one-line text form, which
// the walk prints for a reproducer and reads back to replay one.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessavor::model {

enum class ActionKind {
  Type,        // one key typed into the focused box: `text` is the character
  Backspace,
  Delete,
  Home,
  End,
  SelectAll,   // EM_SETSEL (0, -1) sent to the focused box
  Paste,       // `text` put on the clipboard as CF_TEXT, then Ctrl+V
  Tab,
  ShiftTab,
  ClickBox,    // a click on the text line of box `control`, then End
  ClickLabel,  // a click on label `control`
  Deactivate,  // another window of the process is activated
  Reactivate,  // the main window is made foreground again
};

struct Action {
  ActionKind kind;
  std::string text;
  std::uint32_t control = 0;
  bool operator==(const Action&) const = default;
};

// Printable ASCII stays as it is; other bytes and the separators are written
// as hexadecimal escapes, so a form never holds a space.
std::string ToString(const Action& action);
std::optional<Action> ParseAction(std::string_view form);

// Space-separated forms, and back; none when a form does not parse.
std::string ToString(std::span<const Action> actions);
std::optional<std::vector<Action>> ParseActions(std::string_view forms);

}  // namespace tessavor::model
