// Text forms of walk actions: a name, and for typing, pasting and clicking an
// argument after a colon.
#include "tests/model/walk_action.h"

#include <cstdio>

#include "core/converter.h"
#include "ui/form_description.h"

namespace tessavor::model {

namespace {

struct KindName {
  ActionKind kind;
  const char* name;
};

constexpr KindName KindNames[] = {
    {ActionKind::Type, "type"},          {ActionKind::Backspace, "backspace"},
    {ActionKind::Delete, "delete"},      {ActionKind::Home, "home"},
    {ActionKind::End, "end"},            {ActionKind::SelectAll, "select-all"},
    {ActionKind::Paste, "paste"},        {ActionKind::Tab, "tab"},
    {ActionKind::ShiftTab, "shift-tab"}, {ActionKind::ClickBox, "click"},
    {ActionKind::ClickLabel, "click"},   {ActionKind::Deactivate, "deactivate"},
    {ActionKind::Reactivate, "reactivate"},
};

struct ControlName {
  std::uint32_t control;
  const char* name;
};

constexpr ControlName ControlNames[] = {
    {ResolutionBoxId, "resolution"}, {CentimetreBoxId, "centimetres"}, {PixelBoxId, "pixels"},
    {Label1Id, "label1"},            {Label2Id, "label2"},            {Label3Id, "label3"},
    {Label4Id, "label4"},            {Label5Id, "label5"},
};

bool IsBox(std::uint32_t control) {
  return control == ResolutionBoxId || control == CentimetreBoxId || control == PixelBoxId;
}

bool NeedsEscape(unsigned char byte) { return byte <= ' ' || byte >= 0x7F || byte == '\\'; }

std::string Escaped(std::string_view text) {
  std::string form;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (NeedsEscape(byte)) {
      char escape[5];
      std::snprintf(escape, sizeof escape, "\\x%02X", byte);
      form += escape;
    } else {
      form += c;
    }
  }
  return form;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

std::optional<std::string> Unescaped(std::string_view form) {
  std::string text;
  for (std::size_t at = 0; at < form.size(); ++at) {
    if (form[at] != '\\') {
      text += form[at];
      continue;
    }
    if (at + 3 >= form.size() || form[at + 1] != 'x') return std::nullopt;
    const int high = HexDigit(form[at + 2]);
    const int low = HexDigit(form[at + 3]);
    if (high < 0 || low < 0) return std::nullopt;
    text += static_cast<char>(high * 16 + low);
    at += 3;
  }
  return text;
}

}  // namespace

std::string ToString(const Action& action) {
  std::string form;
  for (const KindName& entry : KindNames) {
    if (entry.kind == action.kind) form = entry.name;
  }
  switch (action.kind) {
    case ActionKind::Type:
    case ActionKind::Paste:
      return form + ":" + Escaped(action.text);
    case ActionKind::ClickBox:
    case ActionKind::ClickLabel:
      for (const ControlName& entry : ControlNames) {
        if (entry.control == action.control) return form + ":" + entry.name;
      }
      return form + ":?";
    default:
      return form;
  }
}

std::optional<Action> ParseAction(std::string_view form) {
  const std::size_t colon = form.find(':');
  const std::string_view name = form.substr(0, colon);
  const std::string_view argument = colon == std::string_view::npos ? "" : form.substr(colon + 1);
  if (name == "click") {
    for (const ControlName& entry : ControlNames) {
      if (argument == entry.name) {
        return Action{IsBox(entry.control) ? ActionKind::ClickBox : ActionKind::ClickLabel, "", entry.control};
      }
    }
    return std::nullopt;
  }
  for (const KindName& entry : KindNames) {
    if (name != entry.name) continue;
    if (entry.kind != ActionKind::Type && entry.kind != ActionKind::Paste) {
      if (colon != std::string_view::npos) return std::nullopt;
      return Action{entry.kind, "", 0};
    }
    std::optional<std::string> text = Unescaped(argument);
    if (!text || text->empty() || (entry.kind == ActionKind::Type && text->size() != 1)) return std::nullopt;
    return Action{entry.kind, *text, 0};
  }
  return std::nullopt;
}

std::string ToString(std::span<const Action> actions) {
  std::string forms;
  for (const Action& action : actions) {
    if (!forms.empty()) forms += ' ';
    forms += ToString(action);
  }
  return forms;
}

std::optional<std::vector<Action>> ParseActions(std::string_view forms) {
  std::vector<Action> actions;
  std::size_t at = 0;
  while (at < forms.size()) {
    if (forms[at] == ' ' || forms[at] == '\n' || forms[at] == '\t') {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < forms.size() && forms[end] != ' ' && forms[end] != '\n' && forms[end] != '\t') ++end;
    std::optional<Action> action = ParseAction(forms.substr(at, end - at));
    if (!action) return std::nullopt;
    actions.push_back(*action);
    at = end;
  }
  return actions;
}

}  // namespace tessavor::model
