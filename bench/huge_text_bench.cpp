// Reading huge texts, as a paste into a box could deliver: throughput in
// bytes per second, and what one call costs in memory. heap_bytes and
// peak_rss_growth_kB near 0 show that the text is read in place, never
// copied or folded into a second buffer.
#include <benchmark/benchmark.h>
#include <fast_float/fast_float.h>

#include <cstdlib>
#include <random>
#include <string>

#include "bench/memory_probe.h"
#include "core/numeric_text.h"

namespace tessavor::bench {
namespace {

constexpr std::size_t kMegabyte = 1 << 20;

std::string Digits(std::size_t size) {
  std::mt19937_64 random(size);
  std::string text(size, '0');
  text[0] = '7';
  for (std::size_t i = 1; i < size; ++i) text[i] = static_cast<char>('0' + random() % 10);
  return text;
}

// 0.000…0001: every zero after the point moves the digit, none counts.
std::string FractionZeros(std::size_t size) {
  std::string text = "0." + std::string(size - 3, '0') + "1";
  return text;
}

// Full-width digits, two bytes each (A3 B0 to A3 B9).
std::string FullWidthDigits(std::size_t size) {
  std::mt19937_64 random(size);
  std::string text;
  text.reserve(size);
  text += "\xA3\xB7";
  while (text.size() < size) {
    text += '\xA3';
    text += static_cast<char>(0xB0 + random() % 10);
  }
  return text;
}

// ASCII and ideographic spaces (A1 A1) before a short number.
std::string SpacesThenNumber(std::size_t size) {
  std::string text;
  text.reserve(size);
  while (text.size() + 4 < size - 2) text += " \t\xA1\xA1";
  while (text.size() < size - 2) text += ' ';
  return text + "72";
}

// A short number, then junk: GBK pairs and stray bytes, never a digit.
std::string NumberThenJunk(std::size_t size) {
  std::mt19937_64 random(size);
  std::string text = "72";
  while (text.size() < size) text += static_cast<char>(0x80 + random() % 0x80);
  return text;
}

struct HugeText {
  const char* name;
  std::string (*make)(std::size_t);
  std::size_t size;
  bool plainAscii;  // worth giving to strtod and fast_float too
};

constexpr HugeText HugeTexts[] = {
    {"1 MB digits", Digits, kMegabyte, true},
    {"16 MB digits", Digits, 16 * kMegabyte, true},
    {"16 MB 0.000...1", FractionZeros, 16 * kMegabyte, true},
    {"16 MB full-width digits", FullWidthDigits, 16 * kMegabyte, false},
    {"16 MB spaces, then 72", SpacesThenNumber, 16 * kMegabyte, false},
    {"16 MB 72, then junk", NumberThenJunk, 16 * kMegabyte, false},
};

double ReadWith(const char* reader, const std::string& text) {
  const std::string_view name(reader);
  if (name == "TextToNumber") return TextToNumber(text);
  if (name == "strtod") return std::strtod(text.c_str(), nullptr);
  double value = 0;
  fast_float::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

void ReadHuge(benchmark::State& state, const HugeText* huge, const char* reader) {
  // Made on first use only, so that a filtered run does not build them all.
  const std::string text = huge->make(huge->size);
  for (auto _ : state) benchmark::DoNotOptimize(ReadWith(reader, text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  const MemoryUse memory = MeasureMemory([&] { benchmark::DoNotOptimize(ReadWith(reader, text)); });
  state.counters["heap_bytes"] = static_cast<double>(memory.heapBytes);
  state.counters["peak_rss_growth_kB"] = static_cast<double>(memory.peakRssGrowthKb);
}

[[maybe_unused]] const bool registered = [] {
  for (const HugeText& huge : HugeTexts) {
    for (const char* reader : {"TextToNumber", "strtod", "fast_float"}) {
      if (!huge.plainAscii && std::string_view(reader) != "TextToNumber") continue;
      benchmark::RegisterBenchmark((std::string("read huge ") + huge.name + "/" + reader).c_str(), ReadHuge,
                                   &huge, reader)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}();

}  // namespace
}  // namespace tessavor::bench
