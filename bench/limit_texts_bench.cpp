// Reading the texts at the limits of the reading rules, at sizes from 10^3
// to 10^7 bytes: exponents of that many digits, leading zeros, digits after
// the point, zeros balanced by an exponent, full-width digits, and all of
// them in one text. time_per_byte stays flat across the sizes when reading
// grows linearly with the text.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "core/numeric_text.h"

namespace tessavor::bench {
namespace {

std::string RandomDigits(std::size_t count, std::uint64_t seed) {
  std::mt19937_64 random(seed);
  std::string digits(count, '0');
  for (char& digit : digits) digit = static_cast<char>('0' + random() % 10);
  return digits;
}

// 1e followed by digits: the written exponent saturates at once, the rest
// is skipped.
std::string ExponentDigits(std::size_t size) { return "1e" + RandomDigits(size - 2, size); }
std::string NegativeExponentDigits(std::size_t size) { return "1e-" + RandomDigits(size - 3, size); }

std::string LeadingZeros(std::size_t size) { return std::string(size - 2, '0') + "72"; }

std::string FractionDigits(std::size_t size) { return "0." + RandomDigits(size - 2, size); }

// 0.000…01e+k with k zeros: a long run of zeros after the point, then an
// exponent that balances them up to its cap.
std::string BalancedZeros(std::size_t size) {
  const std::string exponent = std::to_string(size);
  const std::size_t zeros = size - 5 - exponent.size();
  return "0." + std::string(zeros, '0') + "1e+" + exponent;
}

// Full-width 0. and digits, two bytes each (A3 B0 to A3 B9).
std::string FullWidthFractionDigits(std::size_t size) {
  std::string text = "\xA3\xB0\xA3\xAE";
  for (const char digit : RandomDigits(size / 2 - 2, size)) {
    text += '\xA3';
    text += static_cast<char>(0xB0 + (digit - '0'));
  }
  return text;
}

// A third each: leading zeros, digits after the point, exponent digits.
std::string AllTogether(std::size_t size) {
  const std::size_t third = size / 3;
  std::string text = "-";
  text += std::string(third, '0') + "." + RandomDigits(third, size);
  return text + "e-" + RandomDigits(size - 2 * third - 4, size + 1);
}

struct Shape {
  const char* name;
  std::string (*make)(std::size_t);
};

constexpr Shape Shapes[] = {
    {"1e, digits", ExponentDigits},
    {"1e-, digits", NegativeExponentDigits},
    {"leading zeros, 72", LeadingZeros},
    {"0., digits", FractionDigits},
    {"0., zeros, 1e+ balancing", BalancedZeros},
    {"full-width 0., digits", FullWidthFractionDigits},
    {"zeros, fraction, exponent", AllTogether},
};

void ReadLimitText(benchmark::State& state, const Shape* shape) {
  const std::string text = shape->make(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(TextToNumber(text));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  // The inverted rate of bytes: seconds per byte, printed with its prefix.
  state.counters["time_per_byte"] = benchmark::Counter(
      static_cast<double>(text.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

[[maybe_unused]] const bool registered = [] {
  for (const Shape& shape : Shapes) {
    benchmark::RegisterBenchmark((std::string("read limit text ") + shape.name).c_str(), ReadLimitText, &shape)
        ->RangeMultiplier(10)
        ->Range(1000, 10000000)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
}  // namespace tessavor::bench
