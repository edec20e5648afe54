// Randomised comparison, bit for bit, of the software double-extended
// arithmetic with the x87 unit, where long double is its 80-bit format:
// loads, products, quotients, their rounding to double and the converter's
// chains. Operands come from extended_operands.h. The seed is printed;
// TESSAVOR_SEED repeats a run.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "core/extended.h"
#include "tests/core/extended_operands.h"
#include "tests/core/extended_test_support.h"

namespace tessavor::test {
namespace {

#if (defined(__i386__) || defined(__x86_64__)) && defined(__LDBL_MANT_DIG__) && \
    __LDBL_MANT_DIG__ == 64

static_assert(std::numeric_limits<long double>::digits == 64);

// The state the program runs in: FNINIT's 64-bit precision, round to
// nearest, every exception masked.
constexpr std::uint16_t ProgramControlWord = 0x037F;

#ifdef TESSAVOR_LONG_TESTS
constexpr int Rounds = 100'000'000;
#else
constexpr int Rounds = 6'000'000;
#endif
constexpr int MaxReported = 10;

std::uint16_t ReadControlWord() {
  std::uint16_t word = 0;
  __asm__ __volatile__("fnstcw %0" : "=m"(word) : : "memory");
  return word;
}

void LoadControlWord(std::uint16_t word) {
  __asm__ __volatile__("fldcw %0" : : "m"(word) : "memory");
}

// Puts the unit into the program's state for one test and gives the
// caller's state back afterwards.
class ProgramFpuState {
 public:
  ProgramFpuState() : saved_(ReadControlWord()) { LoadControlWord(ProgramControlWord); }
  ~ProgramFpuState() { LoadControlWord(saved_); }
  ProgramFpuState(const ProgramFpuState&) = delete;
  ProgramFpuState& operator=(const ProgramFpuState&) = delete;

 private:
  std::uint16_t saved_;
};

X87 X87Of(long double value) {
  X87 bits{};
  std::memcpy(&bits.significand, &value, sizeof bits.significand);
  std::memcpy(&bits.signExponent, reinterpret_cast<const char*>(&value) + 8,
              sizeof bits.signExponent);
  return bits;
}

long double LongDoubleOf(X87 bits) {
  long double value = 0;
  std::memcpy(&value, &bits.significand, sizeof bits.significand);
  std::memcpy(reinterpret_cast<char*>(&value) + 8, &bits.signExponent, sizeof bits.signExponent);
  return value;
}

// The unit's operations. Each result is forced through memory, so that a
// load is FLD m64, a store FST m64, and an operation works on two 80-bit
// registers (never FMUL m64, which treats a signalling NaN operand
// differently from a loaded one).
template <class T>
void ForceToMemory(T& value) {
  __asm__ __volatile__("" : "+m"(value));
}

X87 UnitLoad(double value) {
  long double loaded = value;
  ForceToMemory(loaded);
  return X87Of(loaded);
}

X87 UnitMultiply(X87 left, X87 right) {
  long double product = LongDoubleOf(left) * LongDoubleOf(right);
  ForceToMemory(product);
  return X87Of(product);
}

X87 UnitDivide(X87 dividend, X87 divisor) {
  long double quotient = LongDoubleOf(dividend) / LongDoubleOf(divisor);
  ForceToMemory(quotient);
  return X87Of(quotient);
}

std::uint64_t UnitStore(X87 value) {
  double stored = static_cast<double>(LongDoubleOf(value));
  ForceToMemory(stored);
  std::uint64_t bits = 0;
  std::memcpy(&bits, &stored, sizeof bits);
  return bits;
}

std::uint64_t RunSeed() {
  if (const char* text = std::getenv("TESSAVOR_SEED")) return std::strtoull(text, nullptr, 0);
  return static_cast<std::uint64_t>(
      std::chrono::system_clock::now().time_since_epoch().count());
}

// Counts the comparisons and reports the first few differences with the
// seed, the operands and both results in hex.
class Comparison {
 public:
  explicit Comparison(const char* name) : seed_(RunSeed()) {
    std::printf("%s: seed %llu (TESSAVOR_SEED=%llu repeats it)\n", name,
                static_cast<unsigned long long>(seed_), static_cast<unsigned long long>(seed_));
  }
  ~Comparison() {
    std::printf("%llu results compared, %d differences\n",
                static_cast<unsigned long long>(compared_), differences_);
  }
  Comparison(const Comparison&) = delete;
  Comparison& operator=(const Comparison&) = delete;

  std::uint64_t seed() const { return seed_; }
  bool Done() const { return differences_ >= MaxReported; }

  // `operands` gives the text of the operands, built only for a report.
  template <class Bits, class OperandText>
  void Check(const char* operation, Bits software, Bits unit, const OperandText& operands) {
    ++compared_;
    if (software == unit) return;
    if (++differences_ > MaxReported) return;
    ADD_FAILURE() << "seed " << seed_ << ": " << operation << " of " << operands()
                  << ": software " << Hex(software) << ", x87 " << Hex(unit);
  }

 private:
  std::uint64_t seed_;
  std::uint64_t compared_ = 0;
  int differences_ = 0;
};

std::string Operands(std::initializer_list<double> values) {
  std::string text;
  for (double value : values) text += (text.empty() ? "" : ", ") + Describe(value);
  return text;
}

// Doubles in, as the converter uses it: the loads, the product and the
// quotient in extended, their stores, and the two chains.
void CompareOnDoubles(const DoubleOperands& in, Comparison& comparison) {
  const double a = in.a, b = in.b, c = in.c;
  const auto ab = [&] { return Operands({a, b}); };
  const Extended ea = ExtendedFromDouble(a), eb = ExtendedFromDouble(b);
  const X87 ua = UnitLoad(a), ub = UnitLoad(b), uc = UnitLoad(c);
  comparison.Check("load", ToX87(ea), ua, [&] { return Operands({a}); });
  comparison.Check("load", ToX87(eb), ub, [&] { return Operands({b}); });

  const Extended product = ExtendedMultiply(ea, eb);
  const X87 unitProduct = UnitMultiply(ua, ub);
  comparison.Check("multiply", ToX87(product), unitProduct, ab);
  comparison.Check("store of product", BitsOf(ExtendedToDouble(product)), UnitStore(unitProduct),
                   ab);

  const X87 unitQuotient = UnitDivide(ua, ub);
  comparison.Check("divide", ToX87(ExtendedDivide(ea, eb)), unitQuotient, ab);
  comparison.Check("DivideInExtended", BitsOf(DivideInExtended(a, b)), UnitStore(unitQuotient),
                   ab);

  comparison.Check("MultiplyInExtended", BitsOf(MultiplyInExtended(a, b, c)),
                   UnitStore(UnitMultiply(unitProduct, uc)),
                   [&] { return Operands({a, b, c}); });
}

// Extended values in, over the whole format: both operations and the
// stores of operand and results.
void CompareOnExtended(X87 x, X87 y, Comparison& comparison) {
  const Extended ex = FromX87(x), ey = FromX87(y);
  const auto xy = [&] { return Hex(x) + ", " + Hex(y); };
  comparison.Check("store", BitsOf(ExtendedToDouble(ex)), UnitStore(x), [&] { return Hex(x); });

  const Extended product = ExtendedMultiply(ex, ey);
  const X87 unitProduct = UnitMultiply(x, y);
  comparison.Check("multiply", ToX87(product), unitProduct, xy);
  comparison.Check("store of product", BitsOf(ExtendedToDouble(product)), UnitStore(unitProduct),
                   xy);

  const Extended quotient = ExtendedDivide(ex, ey);
  const X87 unitQuotient = UnitDivide(x, y);
  comparison.Check("divide", ToX87(quotient), unitQuotient, xy);
  comparison.Check("store of quotient", BitsOf(ExtendedToDouble(quotient)),
                   UnitStore(unitQuotient), xy);
}

TEST(ExtendedAgainstX87, DoubleOperandsAndConverterChains) {
  const ProgramFpuState state;
  Comparison comparison("double operands");
  Random random(comparison.seed());
  for (int round = 0; round < Rounds && !comparison.Done(); ++round) {
    CompareOnDoubles(DrawDoubleOperands(random), comparison);
  }
}

TEST(ExtendedAgainstX87, ExtendedOperandsOverTheWholeRange) {
  const ProgramFpuState state;
  Comparison comparison("extended operands");
  Random random(comparison.seed());
  for (int round = 0; round < Rounds && !comparison.Done(); ++round) {
    const ExtendedPair pair = DrawExtendedPair(random);
    CompareOnExtended(pair.x, pair.y, comparison);
  }
}

#else

TEST(ExtendedAgainstX87, DoubleOperandsAndConverterChains) {
  GTEST_SKIP() << "long double is not the x87 80-bit format here";
}

#endif

}  // namespace
}  // namespace tessavor::test
