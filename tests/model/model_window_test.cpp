// The window model against the behaviour it stands for: conversions while a
// length box has the focus, the order of events when the focus moves, the
// reset on a new resolution, clicks, and deactivation.
#include "tests/model/model_window.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "core/converter.h"
#include "ui/form_description.h"

namespace tessavor::model {

std::ostream& operator<<(std::ostream& out, const ModelEvent& event) {
  return out << std::hex << event.control << std::dec << ":" << static_cast<int>(event.event) << " \""
             << event.text << "\" flags " << event.centimetreFlag << event.pixelFlag;
}

namespace {

using E = ControlEvent;
constexpr std::uint32_t Res = ResolutionBoxId;
constexpr std::uint32_t Cm = CentimetreBoxId;
constexpr std::uint32_t Px = PixelBoxId;

Action Key(ActionKind kind) { return Action{kind, "", 0}; }
Action Typed(char c) { return Action{ActionKind::Type, std::string(1, c), 0}; }
Action Pasted(const char* text) { return Action{ActionKind::Paste, text, 0}; }
Action Click(ActionKind kind, std::uint32_t control) { return Action{kind, "", control}; }

void Perform(ModelWindow& window, const std::vector<Action>& actions) {
  for (const Action& action : actions) {
    ASSERT_TRUE(IsApplicable(window, action)) << ToString(action);
    Apply(window, action);
  }
}

void TypeText(ModelWindow& window, const char* text) {
  for (const char* c = text; *c != '\0'; ++c) Perform(window, {Typed(*c)});
}

std::string Text(const ModelWindow& window, std::uint32_t control) { return TextOf(window.boxes[*BoxOf(control)]); }

TEST(ModelWindow, StartsWithSeventyTwoAndTheFocusInTheResolutionBox) {
  const ModelWindow window = StartingWindow();
  EXPECT_EQ(Text(window, Res), "72");
  EXPECT_EQ(Text(window, Cm), "");
  EXPECT_EQ(Text(window, Px), "");
  EXPECT_EQ(window.focus, 0u);
  EXPECT_EQ(window.boxes[0].selectionEnd, 0u);
  EXPECT_EQ(window.centimetreBoxFocused, 0);
  EXPECT_EQ(window.pixelBoxFocused, 0);
  EXPECT_TRUE(window.events.empty());
}

TEST(ModelWindow, LeavingABoxReportsNormalisationThenFocusLostThenFocusGained) {
  ModelWindow window = StartingWindow();
  Perform(window, {Key(ActionKind::Tab)});
  TypeText(window, "2.50");
  EXPECT_EQ(Text(window, Px), "70.86614173229");
  window.events.clear();
  Perform(window, {Key(ActionKind::Tab)});
  const std::vector<ModelEvent> expected = {
      {Cm, E::TextChanged, "2.5", 1, 0},
      {Px, E::TextChanged, "70.86614173229", 1, 0},
      {Cm, E::FocusLost, "2.5", 1, 0},
      {Px, E::FocusGained, "70.86614173229", 0, 0},
  };
  EXPECT_EQ(window.events, expected);
  EXPECT_EQ(window.focus, 2u);
  EXPECT_EQ(window.pixelBoxFocused, 1);
}

struct ConversionCase {
  const char* dpi;
  ActionKind move;  // Tab to centimetres, Shift+Tab to pixels
  const char* typed;
  std::uint32_t other;
  const char* shown;
};

TEST(ModelWindow, TheFocusedLengthBoxDrivesTheOther) {
  const ConversionCase cases[] = {
      {"72", ActionKind::Tab, "1", Px, "28.34645669292"},
      {"96", ActionKind::Tab, "5.69", Px, "215.0551181103"},
      {"72", ActionKind::ShiftTab, "100", Cm, "3.527777777778"},
      {"96", ActionKind::ShiftTab, "1920", Cm, "50.8"},
      {"", ActionKind::ShiftTab, "1", Cm, "1.#INF"},
      {"", ActionKind::ShiftTab, "-5", Cm, "-1.#INF"},
      {"", ActionKind::Tab, "1", Px, "0"},
  };
  for (const ConversionCase& c : cases) {
    SCOPED_TRACE(testing::Message() << c.dpi << " dpi, " << c.typed);
    ModelWindow window = StartingWindow();
    Perform(window, {Key(ActionKind::SelectAll)});
    if (*c.dpi == '\0') {
      Perform(window, {Key(ActionKind::Backspace)});
    } else {
      TypeText(window, c.dpi);
    }
    Perform(window, {Key(c.move)});
    TypeText(window, c.typed);
    EXPECT_EQ(Text(window, c.other), c.shown);
  }
}

TEST(ModelWindow, EachResolutionKeystrokeEmptiesBothLengths) {
  ModelWindow window = StartingWindow();
  Perform(window, {Key(ActionKind::Tab)});
  TypeText(window, "3");
  Perform(window, {Key(ActionKind::ShiftTab), Key(ActionKind::End)});
  window.events.clear();
  TypeText(window, "5");
  const std::vector<ModelEvent> expected = {
      {Res, E::TextChanged, "725", 0, 0},
      {Cm, E::TextChanged, "", 0, 0},
      {Px, E::TextChanged, "", 0, 0},
  };
  EXPECT_EQ(window.events, expected);
}

TEST(ModelWindow, FilteredCharactersChangeNothing) {
  ModelWindow window = StartingWindow();
  for (const char c : std::string("aE,+ ")) Perform(window, {Typed(c)});
  EXPECT_EQ(Text(window, Res), "72");
  EXPECT_TRUE(window.events.empty());
}

// Pasted text is not filtered; leaving the box reads it with the full-width
// fold, so "７２" keeps its value.
TEST(ModelWindow, PastedFullWidthDigitsNormaliseToTheirValue) {
  ModelWindow window = StartingWindow();
  Perform(window, {Key(ActionKind::Tab), Pasted("\xA3\xB7\xA3\xB2"), Key(ActionKind::Tab)});
  EXPECT_EQ(Text(window, Cm), "72");
  EXPECT_EQ(Text(window, Px), "2040.94488189");
}

TEST(ModelWindow, AClickOnALabelKeepsTheFocus) {
  ModelWindow window = StartingWindow();
  Perform(window, {Key(ActionKind::Tab), Click(ActionKind::ClickLabel, Label4Id)});
  const std::vector<ModelEvent> expected = {
      {Res, E::FocusLost, "72", 0, 0},
      {Cm, E::FocusGained, "", 0, 0},
      {Label4Id, E::LeftButtonDown, "", 1, 0},
  };
  EXPECT_EQ(window.events, expected);
  EXPECT_EQ(window.focus, 1u);
}

TEST(ModelWindow, AClickOnABoxTakesTheFocusAndTheCaretGoesToTheEnd) {
  ModelWindow window = StartingWindow();
  Perform(window, {Key(ActionKind::Home), Click(ActionKind::ClickBox, Px)});
  const std::vector<ModelEvent> expected = {
      {Px, E::LeftButtonDown, "", 0, 0},
      {Res, E::FocusLost, "72", 0, 0},
      {Px, E::FocusGained, "", 0, 0},
  };
  EXPECT_EQ(window.events, expected);
  EXPECT_EQ(window.focus, 2u);
  window.events.clear();
  Perform(window, {Click(ActionKind::ClickBox, Res)});
  EXPECT_EQ(window.boxes[0].selectionStart, 2u);
}

TEST(ModelWindow, DeactivationNormalisesAndReactivationGivesTheFocusBack) {
  ModelWindow window = StartingWindow();
  Perform(window, {Key(ActionKind::Tab)});
  TypeText(window, "0");
  window.events.clear();
  Perform(window, {Key(ActionKind::Deactivate)});
  const std::vector<ModelEvent> away = {
      {Cm, E::TextChanged, "", 1, 0},
      {Px, E::TextChanged, "0", 1, 0},
      {Cm, E::FocusLost, "", 1, 0},
  };
  EXPECT_EQ(window.events, away);
  EXPECT_EQ(window.focus, std::nullopt);
  EXPECT_EQ(window.centimetreBoxFocused, 0);
  window.events.clear();
  Perform(window, {Key(ActionKind::Reactivate)});
  EXPECT_EQ(window.events, (std::vector<ModelEvent>{{Cm, E::FocusGained, "", 0, 0}}));
  EXPECT_EQ(window.centimetreBoxFocused, 1);
}

TEST(ModelWindow, WhatTheWalkMayDo) {
  ModelWindow window = StartingWindow();
  EXPECT_FALSE(IsApplicable(window, Key(ActionKind::Reactivate)));
  EXPECT_FALSE(IsApplicable(window, Click(ActionKind::ClickLabel, Label5Id)));
  EXPECT_TRUE(IsApplicable(window, Click(ActionKind::ClickLabel, Label1Id)));
  Apply(window, Key(ActionKind::Deactivate));
  EXPECT_FALSE(IsApplicable(window, Typed('1')));
  EXPECT_FALSE(IsApplicable(window, Key(ActionKind::Tab)));
  EXPECT_TRUE(IsApplicable(window, Key(ActionKind::Reactivate)));
  Apply(window, Key(ActionKind::Reactivate));
  // An uncertain caret allows no edit until a key puts it somewhere definite.
  window.boxes[0].caretUncertain = true;
  EXPECT_FALSE(IsApplicable(window, Typed('1')));
  EXPECT_FALSE(IsApplicable(window, Pasted("1")));
  EXPECT_FALSE(IsApplicable(window, Key(ActionKind::Backspace)));
  EXPECT_TRUE(IsApplicable(window, Typed('a')));
  Apply(window, Key(ActionKind::End));
  EXPECT_TRUE(IsApplicable(window, Typed('1')));
}

}  // namespace
}  // namespace tessavor::model
