// The real window against the model under a seeded random walk of user
// actions. After every action the texts, selections, flags, focus and events
// must be the model's; a divergence is shrunk to a short replayable action
// list. TESSAVOR_SEED, TESSAVOR_WALK_STEPS, TESSAVOR_MAX_DIVERGENCES and
// TESSAVOR_SHRINK_ACTIONS override the defaults; TESSAVOR_WALK_REPLAY runs a
// printed action list instead of a random walk.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "tests/model/model_window.h"
#include "tests/model/observation.h"
#include "tests/model/real_window.h"
#include "tests/model/shrink.h"
#include "tests/model/walk_generator.h"
#include "tests/ui/window_test_support.h"

namespace tessavor::model {
namespace {

unsigned long long Setting(const char* name, unsigned long long fallback) {
  const char* text = std::getenv(name);
  return text != nullptr && *text != '\0' ? std::strtoull(text, nullptr, 0) : fallback;
}

class ModelWalk : public test::MainWindowTest {
 protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    real = PrepareRealWindow(window);
  }

  void TearDown() override {
    if (GetForegroundWindow() != window) {
      SetForegroundWindow(window);
      test::PumpUntil([&] { return GetForegroundWindow() == window; });
    }
    ReleaseRealWindow(real);
    MainWindowTest::TearDown();
  }

  // One action on both sides; the differences after it, "" when none.
  std::string Step(ModelWindow& model, const Action& action) {
    model.events.clear();
    test::EventLog().clear();
    Apply(model, action);
    SendAction(real, action);
    const Observation expected = Expected(model);
    return Differences(expected, AwaitExpected(expected));
  }

  // The actions from the start-up state, skipping those the model cannot
  // take there; the first differences, "" when none.
  std::string Replay(const std::vector<Action>& actions) {
    ModelWindow model = StartingWindow();
    if (!ResetRealWindow(real)) {
      ADD_FAILURE() << "the window did not return to its start-up state";
      return "";
    }
    for (const Action& action : actions) {
      if (!IsApplicable(model, action)) continue;
      const std::string differences = Step(model, action);
      if (!differences.empty()) return differences;
    }
    return "";
  }

  void ReportDivergence(unsigned long long seed, std::size_t step, const std::vector<Action>& sinceReset,
                        const std::string& differences) {
    std::printf("DIVERGENCE: seed %llu, step %zu, action %s\n%s", seed, step, ToString(sinceReset.back()).c_str(),
                differences.c_str());
    std::fflush(stdout);
    const auto budget = static_cast<std::size_t>(Setting("TESSAVOR_SHRINK_ACTIONS", 3000));
    const ShrinkResult shrunk =
        ShrinkFailure(sinceReset, [&](const std::vector<Action>& actions) { return !Replay(actions).empty(); }, budget);
    if (shrunk.reproduced) {
      const std::string again = Replay(shrunk.actions);
      std::printf("shortest reproducer found: %zu actions (%zu replays)\nTESSAVOR_WALK_REPLAY='%s'\n%s",
                  shrunk.actions.size(), shrunk.replays, ToString(shrunk.actions).c_str(), again.c_str());
    } else {
      std::printf("no replay from the start-up state reproduced it (%zu replays of %zu actions)\n", shrunk.replays,
                  shrunk.replayedActions);
    }
    std::fflush(stdout);
    ADD_FAILURE() << "the real window left the model at step " << step << " of the walk with seed " << seed;
  }

  RealWindow real;
};

TEST_F(ModelWalk, RealWindowFollowsTheModelUnderRandomUse) {
  const unsigned long long seed = Setting("TESSAVOR_SEED", 20240611);
  std::size_t steps = static_cast<std::size_t>(Setting("TESSAVOR_WALK_STEPS", 2000));
  const unsigned long long maxDivergences = Setting("TESSAVOR_MAX_DIVERGENCES", 1);
  std::optional<std::vector<Action>> replay;
  if (const char* forms = std::getenv("TESSAVOR_WALK_REPLAY")) {
    replay = ParseActions(forms);
    ASSERT_TRUE(replay.has_value()) << "TESSAVOR_WALK_REPLAY does not parse";
    steps = replay->size();
  }
  std::printf("model walk: seed %llu, %zu steps%s\n", seed, steps, replay ? " (replay)" : "");
  std::fflush(stdout);

  const auto start = std::chrono::steady_clock::now();
  WalkRandom random(seed);
  ModelWindow model = StartingWindow();
  test::EventLog().clear();
  std::vector<Action> sinceReset;
  std::size_t run = 0;
  std::size_t divergences = 0;
  for (std::size_t step = 0; step < steps; ++step) {
    const Action action = replay ? (*replay)[step] : RandomAction(random, model);
    if (!IsApplicable(model, action)) continue;
    sinceReset.push_back(action);
    const std::string differences = Step(model, action);
    ++run;
    if (run % 10000 == 0) {
      std::printf("model walk: %zu actions\n", run);
      std::fflush(stdout);
    }
    if (differences.empty()) continue;
    ++divergences;
    ReportDivergence(seed, step, sinceReset, differences);
    if (divergences >= maxDivergences) break;
    model = StartingWindow();
    ASSERT_TRUE(ResetRealWindow(real));
    sinceReset.clear();
  }
  const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("model walk: seed %llu, %zu actions run, %zu divergences, %.0f s\n", seed, run, divergences, seconds);
  std::fflush(stdout);
}

}  // namespace
}  // namespace tessavor::model
