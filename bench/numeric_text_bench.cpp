// TextToNumber against strtod and fast_float::from_chars, and NumberToText
// against snprintf("%.13g"), on the same inputs in the same run. Each
// benchmark reports per_call, the time of one conversion; everyday sets
// hold 1000 inputs, each worst case is one text.
#include <benchmark/benchmark.h>
#include <fast_float/fast_float.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_inputs.h"
#include "core/numeric_text.h"

namespace tessavor::bench {
namespace {

struct Reader {
  const char* name;
  double (*read)(const std::string& text);
};

// The C library and fast_float do not fold full-width digits and so on;
// on ASCII number texts the three read the same values (up to ties).
constexpr Reader Readers[] = {
    {"TextToNumber", [](const std::string& text) { return TextToNumber(text); }},
    {"strtod", [](const std::string& text) { return std::strtod(text.c_str(), nullptr); }},
    {"fast_float", [](const std::string& text) {
       double value = 0;
       fast_float::from_chars(text.data(), text.data() + text.size(), value);
       return value;
     }},
};

void CountCalls(benchmark::State& state, std::size_t callsPerIteration) {
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * callsPerIteration));
  state.counters["per_call"] = benchmark::Counter(
      static_cast<double>(callsPerIteration),
      benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void ReadTexts(benchmark::State& state, Reader reader, const std::vector<std::string>* texts) {
  for (auto _ : state)
    for (const std::string& text : *texts) benchmark::DoNotOptimize(reader.read(text));
  CountCalls(state, texts->size());
}

void WriteWithCore(benchmark::State& state, const std::vector<double>* numbers) {
  for (auto _ : state)
    for (const double number : *numbers) benchmark::DoNotOptimize(NumberToText(number));
  CountCalls(state, numbers->size());
}

void WriteWithSnprintf(benchmark::State& state, const std::vector<double>* numbers) {
  char text[32];
  for (auto _ : state)
    for (const double number : *numbers) {
      std::snprintf(text, sizeof text, "%.13g", number);
      benchmark::DoNotOptimize(text);
    }
  CountCalls(state, numbers->size());
}

void RegisterReads(const std::string& set, const std::vector<std::string>* texts) {
  for (const Reader& reader : Readers)
    benchmark::RegisterBenchmark(("read " + set + "/" + reader.name).c_str(), ReadTexts, reader, texts);
}

[[maybe_unused]] const bool registered = [] {
  static const std::vector<std::string> seventyTwo = {"72"};
  static const std::vector<std::string> pixels = {"141.7322834646"};
  RegisterReads("everyday \"72\"", &seventyTwo);
  RegisterReads("everyday \"141.7322834646\"", &pixels);
  RegisterReads("everyday x1000", &EverydayTexts());
  static std::vector<std::vector<std::string>> worst;
  worst.reserve(WorstCaseTexts().size());
  for (const NamedText& text : WorstCaseTexts()) {
    worst.push_back({text.text});
    RegisterReads("worst " + text.name, &worst.back());
  }
  for (const NamedNumbers& set : NumberSets()) {
    benchmark::RegisterBenchmark(("write " + set.name + "/NumberToText").c_str(), WriteWithCore, &set.numbers);
    benchmark::RegisterBenchmark(("write " + set.name + "/snprintf").c_str(), WriteWithSnprintf, &set.numbers);
  }
  return true;
}();

}  // namespace
}  // namespace tessavor::bench
