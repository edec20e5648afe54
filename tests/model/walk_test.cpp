// The walk's machinery without a window: action forms, the random user, the
// model's invariants over long walks, the shrinker and the comparison.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/converter.h"
#include "tests/model/edit_characters.h"
#include "tests/model/observation.h"
#include "tests/model/shrink.h"
#include "tests/model/walk_action.h"
#include "tests/model/walk_generator.h"
#include "ui/form_description.h"

namespace tessavor::model {
namespace {

TEST(ActionForms, EveryKindReadsBackAsItself) {
  const Action actions[] = {
      {ActionKind::Type, "5", 0},
      {ActionKind::Type, " ", 0},
      {ActionKind::Type, "\\", 0},
      {ActionKind::Backspace, "", 0},
      {ActionKind::Delete, "", 0},
      {ActionKind::Home, "", 0},
      {ActionKind::End, "", 0},
      {ActionKind::SelectAll, "", 0},
      {ActionKind::Paste, "1e5 \x01\x7F\x80\xA3\xB7:x\\", 0},
      {ActionKind::Tab, "", 0},
      {ActionKind::ShiftTab, "", 0},
      {ActionKind::ClickBox, "", PixelBoxId},
      {ActionKind::ClickLabel, "", Label4Id},
      {ActionKind::Deactivate, "", 0},
      {ActionKind::Reactivate, "", 0},
  };
  for (const Action& action : actions) {
    const std::string form = ToString(action);
    SCOPED_TRACE(form);
    EXPECT_EQ(form.find(' '), std::string::npos);
    EXPECT_EQ(ParseAction(form), action);
  }
  EXPECT_EQ(ParseActions(ToString(actions)), std::vector<Action>(std::begin(actions), std::end(actions)));
}

TEST(ActionForms, ReadableNames) {
  EXPECT_EQ(ToString(Action{ActionKind::Paste, "1 \xA3", 0}), "paste:1\\x20\\xA3");
  EXPECT_EQ(ToString(Action{ActionKind::ClickBox, "", CentimetreBoxId}), "click:centimetres");
  EXPECT_EQ(ToString(Action{ActionKind::ShiftTab, "", 0}), "shift-tab");
}

TEST(ActionForms, MalformedFormsAreRejected) {
  for (const char* form : {"", "jump", "type:", "type:12", "paste:", "paste:\\x4", "paste:\\q41", "click:nowhere",
                           "tab:1"}) {
    SCOPED_TRACE(form);
    EXPECT_EQ(ParseAction(form), std::nullopt);
  }
  EXPECT_EQ(ParseActions("tab bogus"), std::nullopt);
}

unsigned long long TestSeed() {
  const char* text = std::getenv("TESSAVOR_SEED");
  return text != nullptr ? std::strtoull(text, nullptr, 0) : 20240611;
}

TEST(RandomUser, TheSameSeedGivesTheSameWalk) {
  WalkRandom first(7);
  WalkRandom second(7);
  ModelWindow window = StartingWindow();
  for (int step = 0; step < 2000; ++step) {
    const Action action = RandomAction(first, window);
    ASSERT_EQ(RandomAction(second, window), action);
    Apply(window, action);
  }
}

TEST(RandomUser, PasteTextsStayWithinWhatTheWalkPastes) {
  const unsigned long long seed = TestSeed();
  std::printf("seed %llu (TESSAVOR_SEED overrides)\n", seed);
  WalkRandom random(seed);
  std::size_t longest = 0;
  for (int i = 0; i < 20000; ++i) {
    const std::string text = RandomPasteText(random);
    ASSERT_FALSE(text.empty());
    ASSERT_LE(text.size(), 2001u);
    ASSERT_EQ(text.find_first_of(std::string("\r\n\0", 3)), std::string::npos) << Printable(text);
    // Every lead byte is followed by a trail byte, except at the very end.
    for (std::size_t at = 0; at + 1 < text.size(); ++at) {
      if (IsLeadByte(static_cast<unsigned char>(text[at]))) {
        ASSERT_TRUE(IsTrailByte(static_cast<unsigned char>(text[at + 1]))) << Printable(text);
        ++at;
      }
    }
    longest = std::max(longest, text.size());
  }
  EXPECT_GT(longest, 1000u);
}

// Over long model-only walks: the walk takes only applicable actions, the
// flags follow the focus, and (1, 1) never occurs.
TEST(RandomUser, ModelInvariantsHoldOnLongWalks) {
  const unsigned long long seed = TestSeed();
  std::printf("seed %llu (TESSAVOR_SEED overrides)\n", seed);
  WalkRandom random(seed);
  ModelWindow window = StartingWindow();
  std::vector<bool> kindsSeen(static_cast<std::size_t>(ActionKind::Reactivate) + 1);
  for (int step = 0; step < 100000; ++step) {
    const Action action = RandomAction(random, window);
    ASSERT_TRUE(IsApplicable(window, action)) << "step " << step << ": " << ToString(action);
    kindsSeen[static_cast<std::size_t>(action.kind)] = true;
    Apply(window, action);
    ASSERT_EQ(window.active, window.focus.has_value()) << "step " << step;
    ASSERT_EQ(window.centimetreBoxFocused, window.focus == 1u ? 1 : 0) << "step " << step;
    ASSERT_EQ(window.pixelBoxFocused, window.focus == 2u ? 1 : 0) << "step " << step;
    for (const ModelBox& box : window.boxes) {
      ASSERT_LE(box.selectionStart, box.selectionEnd);
      ASSERT_LE(box.selectionEnd, box.characters.size());
    }
    window.events.clear();
  }
  for (std::size_t kind = 0; kind < kindsSeen.size(); ++kind) EXPECT_TRUE(kindsSeen[kind]) << "kind " << kind;
}

// A fake failure: a Tab somewhere before a typed 5.
bool TabThenFive(const std::vector<Action>& actions) {
  bool tab = false;
  for (const Action& action : actions) {
    if (action.kind == ActionKind::Tab) tab = true;
    if (tab && action.kind == ActionKind::Type && action.text == "5") return true;
  }
  return false;
}

std::vector<Action> NoiseAround(const std::vector<Action>& needles, std::size_t noise) {
  std::vector<Action> actions;
  for (const Action& needle : needles) {
    for (std::size_t i = 0; i < noise; ++i) actions.push_back(Action{ActionKind::Type, "1", 0});
    actions.push_back(needle);
  }
  for (std::size_t i = 0; i < noise; ++i) actions.push_back(Action{ActionKind::End, "", 0});
  return actions;
}

TEST(Shrink, ReducesToTheActionsTheFailureNeeds) {
  const Action tab{ActionKind::Tab, "", 0};
  const Action five{ActionKind::Type, "5", 0};
  const std::vector<Action> failing = NoiseAround({tab, five}, 300);
  const ShrinkResult result = ShrinkFailure(failing, TabThenFive, 100000);
  EXPECT_TRUE(result.reproduced);
  EXPECT_EQ(result.actions, (std::vector<Action>{tab, five}));
  EXPECT_LE(result.replayedActions, 100000u);
}

TEST(Shrink, StopsAtItsBudgetWithTheShortestFailureSoFar) {
  const std::vector<Action> failing = NoiseAround({{ActionKind::Tab, "", 0}, {ActionKind::Type, "5", 0}}, 300);
  const ShrinkResult result = ShrinkFailure(failing, TabThenFive, 6000);
  EXPECT_TRUE(result.reproduced);
  EXPECT_TRUE(TabThenFive(result.actions));
  EXPECT_LT(result.actions.size(), failing.size());
  EXPECT_LE(result.replayedActions, 6000u);
}

// A fake failure: a paste whose text holds a full-width 5 and a 9.
bool PastesFullWidthFiveAndNine(const std::vector<Action>& actions) {
  for (const Action& action : actions) {
    if (action.kind == ActionKind::Paste && action.text.find("\xA3\xB5") != std::string::npos &&
        action.text.find('9') != std::string::npos) {
      return true;
    }
  }
  return false;
}

TEST(Shrink, PastedTextsLoseWholeCharactersOnly) {
  std::vector<Action> failing = NoiseAround({{ActionKind::Paste, "ab\xB0\xA1\xA3\xB5x\xD6\xD0" "9q\x81", 0}}, 20);
  const ShrinkResult result = ShrinkFailure(failing, PastesFullWidthFiveAndNine, 100000);
  ASSERT_TRUE(result.reproduced);
  EXPECT_EQ(result.actions, (std::vector<Action>{{ActionKind::Paste, "\xA3\xB5" "9", 0}}));
}

TEST(Shrink, ReportsAFailureThatNoReplayReproduces) {
  const std::vector<Action> failing(10, Action{ActionKind::Home, "", 0});
  const ShrinkResult result = ShrinkFailure(failing, [](const std::vector<Action>&) { return false; }, 1000);
  EXPECT_FALSE(result.reproduced);
  EXPECT_EQ(result.actions, failing);
  // Suffixes of 1, 2, 4, 8 and then the whole sequence were tried.
  EXPECT_EQ(result.replays, 5u);
}

TEST(Observation, MatchesItselfAndNamesEachDifference) {
  ModelWindow window = StartingWindow();
  Apply(window, Action{ActionKind::Tab, "", 0});
  const Observation expected = Expected(window);
  EXPECT_EQ(Differences(expected, expected), "");

  Observation actual = expected;
  actual.texts[1] = "1\x01";
  actual.selections[0] = std::make_pair(std::size_t{0}, std::size_t{2});
  actual.centimetreBoxFocused = 0;
  actual.focus.reset();
  actual.events.pop_back();
  const std::string differences = Differences(expected, actual);
  for (const char* part : {"centimetres text: expected \"\", real \"1\\x01\"", "resolution selection: expected 0,0, real 0,2",
                           "flags: expected 10, real 00", "focus: expected centimetres, real none", "events:"}) {
    EXPECT_NE(differences.find(part), std::string::npos) << part << "\n" << differences;
  }
}

TEST(Observation, AnUncertainCaretIsNotCompared) {
  ModelWindow window = StartingWindow();
  window.boxes[0].caretUncertain = true;
  const Observation expected = Expected(window);
  Observation actual = expected;
  actual.selections[0] = std::make_pair(std::size_t{1}, std::size_t{1});
  EXPECT_EQ(Differences(expected, actual), "");
}

}  // namespace
}  // namespace tessavor::model
