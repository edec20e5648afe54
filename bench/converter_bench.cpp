// One keystroke through the in-memory host: the edit of a length box, its
// conversion with both reads, the arithmetic and the write of the other box
// with its nested TextChanged. The texts are those of typing a number.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "core/converter.h"
#include "core/memory_host.h"

namespace tessavor::bench {
namespace {

namespace host = memory_host;

// The host logs every event; it is started afresh now and then, outside the
// timing, so that the log does not grow through the whole run.
constexpr std::size_t kKeystrokesBetweenResets = 1 << 16;

void StartTyping(std::uint32_t box) {
  host::Reset();
  host::Edit(ResolutionBoxId, "72");
  host::MoveFocus(box);
}

void Keystroke(benchmark::State& state, std::uint32_t box, std::vector<std::string> typed) {
  StartTyping(box);
  std::size_t keystrokes = 0;
  for (auto _ : state) {
    host::Edit(box, typed[keystrokes % typed.size()]);
    if (++keystrokes % kKeystrokesBetweenResets == 0) {
      state.PauseTiming();
      StartTyping(box);
      state.ResumeTiming();
    }
  }
  const std::uint32_t other = box == CentimetreBoxId ? PixelBoxId : CentimetreBoxId;
  benchmark::DoNotOptimize(host::Text(other).size());
  state.SetItemsProcessed(state.iterations());
}

BENCHMARK_CAPTURE(Keystroke, centimetres to pixels at 72, CentimetreBoxId,
                  std::vector<std::string>{"1", "19", "193", "193.", "193.1", "193.16"});
BENCHMARK_CAPTURE(Keystroke, pixels to centimetres at 72, PixelBoxId,
                  std::vector<std::string>{"1", "19", "192", "1920"});

}  // namespace
}  // namespace tessavor::bench
