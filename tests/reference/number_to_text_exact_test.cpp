// NumberToText against texts made from the exact GMP expansion: random
// doubles over the whole range, doubles whose digits 14 to 17 are 4999 or
// 5000 (where the two roundings interact), and the doubles around every
// power of ten and every carry into a new digit.
#include <gtest/gtest.h>

#include <chrono>
#include <string>

#include "core/double_bits.h"
#include "core/numeric_text.h"
#include "tests/core/test_doubles.h"
#include "tests/reference/differential.h"
#include "tests/reference/exact_reference.h"

namespace tessavor {
namespace {

using test::DescribeBits;

class WriteChecker {
 public:
  void Check(uint64_t bits) {
    ++checked_;
    const std::string expected = reference::WriteNumberExactly(bits);
    const std::string actual = NumberToText(BitsToDouble(bits));
    if (actual == expected) return;
    if (++mismatches_ <= 10) {
      ADD_FAILURE() << DescribeBits(bits) << "\n  written as " << actual << "\n  exactly    "
                    << expected;
    }
  }
  // The double read from `text` and its neighbours, `spread` steps of the
  // last bit either side, of the same sign and finite.
  void CheckAround(const std::string& text, int spread) {
    const uint64_t center = reference::ReadTextExactly(text);
    for (int step = -spread; step <= spread; ++step) {
      const uint64_t bits = center + static_cast<uint64_t>(static_cast<int64_t>(step));
      if (((bits ^ center) & kSignMask) != 0 || (bits & ~kSignMask) >= kInfinityBits) continue;
      Check(bits);
    }
  }
  void Report(const char* what) const {
    std::printf("%s: %ld doubles checked, %ld mismatches\n", what, checked_, mismatches_);
    EXPECT_EQ(mismatches_, 0);
  }

 private:
  long checked_ = 0;
  long mismatches_ = 0;
};

TEST(NumberToTextExact, RandomDoublesOverTheWholeRange) {
  std::mt19937_64 random(test::SeedFor("NumberToTextExact.RandomDoublesOverTheWholeRange"));
  WriteChecker checker;
  const auto start = std::chrono::steady_clock::now();
  const int count = 200000 * test::kCountScale;
  for (int i = 0; i < count; ++i) checker.Check(random());
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("random doubles took %.2f s\n", seconds);
  checker.Report("RandomDoublesOverTheWholeRange");
}

// Values near decimals whose digits 14 to 17 are 4999 or 5000, at every
// decimal exponent. The doubles there fall on both sides of the 18th digit
// 5, which decides the rounding to 17 digits and through it the text.
TEST(NumberToTextExact, DigitsFourteenToSeventeenAt4999Or5000) {
  std::mt19937_64 random(test::SeedFor("NumberToTextExact.DigitsFourteenToSeventeenAt4999Or5000"));
  WriteChecker checker;
  long hits = 0;
  for (int exponent = -323; exponent <= 308; ++exponent) {
    for (int i = 0; i < 4 * test::kCountScale; ++i) {
      std::string prefix = std::to_string(1 + random() % 9);
      for (int d = 1; d < 13; ++d) prefix += static_cast<char>('0' + random() % 10);
      for (const char* tail : {"49995", "49999", "50000", "50004", "49990"}) {
        const std::string text = prefix + tail + "e" + std::to_string(exponent - 17);
        checker.CheckAround(text, 3);
        const uint64_t bits = reference::ReadTextExactly(text);
        if ((bits & ~kSignMask) == 0 || (bits & ~kSignMask) >= kInfinityBits) continue;
        const std::string digits = reference::LeadingDigitsExactly(bits);
        if (digits.compare(13, 4, "4999") == 0 || digits.compare(13, 4, "5000") == 0) ++hits;
      }
    }
  }
  std::printf("doubles with digits 14-17 at 4999 or 5000 among the centres: %ld\n", hits);
  EXPECT_GT(hits, 0);
  checker.Report("DigitsFourteenToSeventeenAt4999Or5000");
}

// Around each power of ten, and around the decimals that carry into a new
// first digit at the 13th and at the 17th digit.
TEST(NumberToTextExact, PowersOfTenAndCarries) {
  WriteChecker checker;
  for (int exponent = -324; exponent <= 308; ++exponent) {
    std::string e = "e";
    e += std::to_string(exponent);
    checker.CheckAround("1" + e, 4);
    checker.CheckAround("9.9999999999995" + e, 4);
    checker.CheckAround("9.99999999999994999" + e, 4);
    checker.CheckAround("9.99999999999999995" + e, 4);
    checker.CheckAround("-9.9999999999995" + e, 2);
  }
  checker.Report("PowersOfTenAndCarries");
}

// The results of the converter's everyday texts: short decimals with small
// exponents, and products of them like those of a conversion.
TEST(NumberToTextExact, EverydayValues) {
  std::mt19937_64 random(test::SeedFor("NumberToTextExact.EverydayValues"));
  WriteChecker checker;
  for (int i = 0; i < 100000 * test::kCountScale; ++i) {
    std::string text = std::to_string(random() % 100000);
    if (random() % 2 == 0) {
      text += '.';
      text += std::to_string(random() % 10000000000);
    }
    text += 'e';
    text += std::to_string(static_cast<int>(random() % 13) - 6);
    checker.CheckAround(text, 1);
  }
  checker.Report("EverydayValues");
}

}  // namespace
}  // namespace tessavor
