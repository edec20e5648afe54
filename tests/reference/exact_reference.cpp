// The GMP oracles. Reading folds the whole text into a copy, scans it with
// plain indices, forms the exact rational N × 10^E and rounds it by exact
// comparisons. Writing expands the double into a rational and cuts its
// digits with whole-number division. Slow and simple on purpose.
#include "tests/reference/exact_reference.h"

#include <gmp.h>

#include <algorithm>
#include <cstdio>

namespace tessavor::reference {

namespace {

constexpr uint64_t kSignBit = uint64_t{1} << 63;
constexpr uint64_t kInfinityBits = uint64_t{0x7FF} << 52;

struct Integer {
  mpz_t v;
  Integer() { mpz_init(v); }
  explicit Integer(unsigned long value) { mpz_init_set_ui(v, value); }
  ~Integer() { mpz_clear(v); }
  Integer(const Integer&) = delete;
  Integer& operator=(const Integer&) = delete;
};

struct Rational {
  mpq_t v;
  Rational() { mpq_init(v); }
  ~Rational() { mpq_clear(v); }
  Rational(const Rational&) = delete;
  Rational& operator=(const Rational&) = delete;
};

void SetUint64(mpz_t target, uint64_t value) {
  mpz_set_ui(target, static_cast<unsigned long>(value >> 32));
  mpz_mul_2exp(target, target, 32);
  mpz_add_ui(target, target, static_cast<unsigned long>(value & 0xFFFFFFFF));
}

uint64_t GetUint64(const mpz_t value) {
  Integer high, low;
  mpz_fdiv_q_2exp(high.v, value, 32);
  mpz_fdiv_r_2exp(low.v, value, 32);
  return (uint64_t{mpz_get_ui(high.v)} << 32) | mpz_get_ui(low.v);
}

std::string ToDecimal(const mpz_t value) {
  std::string text(mpz_sizeinbase(value, 10) + 2, '\0');
  mpz_get_str(text.data(), 10, value);
  text.resize(std::char_traits<char>::length(text.c_str()));
  return text;
}

// 2^power as a rational, for any sign of power.
void SetPowerOfTwo(mpq_t target, long power) {
  mpq_set_ui(target, 1, 1);
  if (power >= 0) {
    mpq_mul_2exp(target, target, static_cast<unsigned long>(power));
  } else {
    mpq_div_2exp(target, target, static_cast<unsigned long>(-power));
  }
}

// value × 10^power as a rational.
void MultiplyByPowerOfTen(mpq_t value, long power) {
  Integer scale;
  mpz_ui_pow_ui(scale.v, 10, static_cast<unsigned long>(power < 0 ? -power : power));
  Rational factor;
  mpq_set_z(factor.v, scale.v);
  if (power >= 0) {
    mpq_mul(value, value, factor.v);
  } else {
    mpq_div(value, value, factor.v);
  }
}

int CompareWithPowerOfTwo(const mpq_t value, long power) {
  Rational p;
  SetPowerOfTwo(p.v, power);
  return mpq_cmp(value, p.v);
}

// floor(value) into whole, value - floor(value) into fraction.
void SplitFloor(const mpq_t value, mpz_t whole, mpq_t fraction) {
  mpz_fdiv_q(whole, mpq_numref(value), mpq_denref(value));
  Rational w;
  mpq_set_z(w.v, whole);
  mpq_sub(fraction, value, w.v);
}

int CompareWithFraction(const mpq_t value, unsigned long numerator, unsigned long denominator) {
  Rational f;
  mpq_set_ui(f.v, numerator, denominator);
  return mpq_cmp(value, f.v);
}

// The bits of the positive rational v rounded by the reading rules: to the
// nearest double with exact halves and exact three quarters going down,
// below 2^-1022 to a multiple of 2^-1074 that goes up only past three
// quarters, and infinity once the result reaches 2^1024.
uint64_t RoundExactly(const mpq_t v) {
  if (CompareWithPowerOfTwo(v, 1024) >= 0) return kInfinityBits;
  Rational scaled, fraction;
  Integer whole;
  if (CompareWithPowerOfTwo(v, -1022) < 0) {
    mpq_mul_2exp(scaled.v, v, 1074);
    SplitFloor(scaled.v, whole.v, fraction.v);
    if (CompareWithFraction(fraction.v, 3, 4) > 0) mpz_add_ui(whole.v, whole.v, 1);
    return GetUint64(whole.v);
  }
  long top = static_cast<long>(mpz_sizeinbase(mpq_numref(v), 2)) -
             static_cast<long>(mpz_sizeinbase(mpq_denref(v), 2));
  while (CompareWithPowerOfTwo(v, top) < 0) --top;
  while (CompareWithPowerOfTwo(v, top + 1) >= 0) ++top;
  long q = top - 52;
  Rational unit;
  SetPowerOfTwo(unit.v, q);
  mpq_div(scaled.v, v, unit.v);
  SplitFloor(scaled.v, whole.v, fraction.v);
  const bool up = CompareWithFraction(fraction.v, 1, 2) > 0 &&
                  CompareWithFraction(fraction.v, 3, 4) != 0;
  uint64_t m = GetUint64(whole.v) + (up ? 1 : 0);
  if (m == uint64_t{1} << 53) {
    m >>= 1;
    ++q;
  }
  if (q + 52 >= 1024) return kInfinityBits;
  return (static_cast<uint64_t>(q + 1075) << 52) | (m - (uint64_t{1} << 52));
}

// The fold, written out pair by pair into a new text.
std::string Fold(std::string_view text) {
  std::string folded;
  for (size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      folded += static_cast<char>(lead);
      ++i;
      continue;
    }
    if (i + 1 == text.size()) break;
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    i += 2;
    if (lead == 0xA1 && trail == 0xA1) {
      folded += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      folded += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      folded += '*';
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      folded += static_cast<char>(trail - 0x80);
    } else {
      folded += static_cast<char>(lead);
      folded += static_cast<char>(trail);
    }
  }
  return folded;
}

bool IsDigitAt(const std::string& s, size_t i) { return i < s.size() && s[i] >= '0' && s[i] <= '9'; }

}  // namespace

uint64_t ReadTextExactly(std::string_view text) {
  const std::string s = Fold(text);
  size_t i = 0;
  while (i < s.size() && (s[i] == ' ' || (s[i] >= 0x09 && s[i] <= 0x0D))) ++i;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::string integerDigits, fractionDigits;
  while (IsDigitAt(s, i)) integerDigits += s[i++];
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (IsDigitAt(s, i)) fractionDigits += s[i++];
  }
  if (integerDigits.empty() && fractionDigits.empty()) return 0;

  long written = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    long value = 0;
    for (; IsDigitAt(s, j); ++j) {
      value = value * 10 + (s[j] - '0');
      if (value > 5200) {
        value = 5201;
        break;
      }
    }
    written = negativeExponent ? -value : value;
  }

  const uint64_t sign = negative ? kSignBit : 0;
  const std::string all = integerDigits + fractionDigits;
  const size_t first = all.find_first_not_of('0');
  if (first == std::string::npos) return sign;
  // Every digit has its place: the last one used stands at 10^E.
  const size_t used = std::min<size_t>(all.size() - first, 25);
  Integer n;
  mpz_set_str(n.v, all.substr(first, used).c_str(), 10);
  long e = static_cast<long>(integerDigits.size()) - static_cast<long>(first) -
           static_cast<long>(used);
  if (used == 25) {
    const unsigned long last = mpz_fdiv_q_ui(n.v, n.v, 10);
    ++e;
    if (last >= 5) mpz_add_ui(n.v, n.v, 1);
  }
  while (mpz_divisible_ui_p(n.v, 10)) {
    mpz_divexact_ui(n.v, n.v, 10);
    ++e;
  }
  e += written;
  if (e > 5200) return sign | kInfinityBits;
  if (e < -5200) return sign;
  Rational v;
  mpq_set_z(v.v, n.v);
  MultiplyByPowerOfTen(v.v, e);
  return sign | RoundExactly(v.v);
}

namespace {

// The first 18 digits of |x| for the finite non-zero double with these
// bits, and p = floor(log10 |x|).
std::string EighteenDigits(uint64_t bits, long* p) {
  const uint64_t magnitude = bits & ~kSignBit;
  const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  const int biased = static_cast<int>(magnitude >> 52);
  const uint64_t significand = biased == 0 ? fraction : fraction | (uint64_t{1} << 52);
  const int binaryExponent = biased == 0 ? -1074 : biased - 1075;

  Rational x;
  Integer m;
  SetUint64(m.v, significand);
  mpq_set_z(x.v, m.v);
  Rational scale;
  SetPowerOfTwo(scale.v, binaryExponent);
  mpq_mul(x.v, x.v, scale.v);

  long power = static_cast<long>(mpz_sizeinbase(mpq_numref(x.v), 10)) -
               static_cast<long>(mpz_sizeinbase(mpq_denref(x.v), 10));
  auto compareWithPowerOfTen = [&](long k) {
    Rational t;
    mpq_set_ui(t.v, 1, 1);
    MultiplyByPowerOfTen(t.v, k);
    return mpq_cmp(x.v, t.v);
  };
  while (compareWithPowerOfTen(power) < 0) --power;
  while (compareWithPowerOfTen(power + 1) >= 0) ++power;

  Rational scaled;
  mpq_set(scaled.v, x.v);
  MultiplyByPowerOfTen(scaled.v, 17 - power);
  Integer eighteen;
  mpz_fdiv_q(eighteen.v, mpq_numref(scaled.v), mpq_denref(scaled.v));
  *p = power;
  return ToDecimal(eighteen.v);
}

}  // namespace

std::string LeadingDigitsExactly(uint64_t bits) {
  long p = 0;
  return EighteenDigits(bits, &p);
}

std::string WriteNumberExactly(uint64_t bits) {
  const bool negative = (bits & kSignBit) != 0;
  const uint64_t magnitude = bits & ~kSignBit;
  if (magnitude == kInfinityBits) return negative ? "-1.#INF" : "1.#INF";
  if (magnitude > kInfinityBits) {
    if (bits == 0xFFF8000000000000) return "-1.#IND";
    return negative ? "-1.#QNAN" : "1.#QNAN";
  }
  if (magnitude == 0) return "0";

  // The first 18 digits, then two roundings, each half up.
  long p = 0;
  const std::string d18 = EighteenDigits(bits, &p);
  Integer seventeen;
  mpz_set_str(seventeen.v, d18.substr(0, 17).c_str(), 10);
  if (d18[17] >= '5') mpz_add_ui(seventeen.v, seventeen.v, 1);
  std::string d17 = ToDecimal(seventeen.v);
  if (d17.size() == 18) {
    ++p;
    d17.resize(17);
  }
  Integer thirteen;
  mpz_set_str(thirteen.v, d17.substr(0, 13).c_str(), 10);
  if (d17[13] >= '5') mpz_add_ui(thirteen.v, thirteen.v, 1);
  std::string d13 = ToDecimal(thirteen.v);
  if (d13.size() == 14) {
    ++p;
    d13.resize(13);
  }

  auto trimmed = [](std::string digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    return digits;
  };
  std::string text = negative ? "-" : "";
  if (p < -4 || p >= 13) {
    const std::string rest = trimmed(d13.substr(1));
    char exponent[32];
    std::snprintf(exponent, sizeof exponent, "e%c%03ld", p < 0 ? '-' : '+', p < 0 ? -p : p);
    text += d13.substr(0, 1) + (rest.empty() ? "" : "." + rest) + exponent;
  } else if (p >= 0) {
    const std::string rest = trimmed(d13.substr(static_cast<size_t>(p) + 1));
    text += d13.substr(0, static_cast<size_t>(p) + 1) + (rest.empty() ? "" : "." + rest);
  } else {
    text += "0." + std::string(static_cast<size_t>(-p - 1), '0') + trimmed(d13);
  }
  return text;
}

ExactDecimal ExactDecimalOf(uint64_t significand, int binaryExponent) {
  Integer n;
  SetUint64(n.v, significand);
  long exponent = 0;
  if (binaryExponent >= 0) {
    mpz_mul_2exp(n.v, n.v, static_cast<unsigned long>(binaryExponent));
  } else {
    // m / 2^k = m × 5^k / 10^k.
    Integer five;
    mpz_ui_pow_ui(five.v, 5, static_cast<unsigned long>(-binaryExponent));
    mpz_mul(n.v, n.v, five.v);
    exponent = binaryExponent;
  }
  while (mpz_sgn(n.v) != 0 && mpz_divisible_ui_p(n.v, 10)) {
    mpz_divexact_ui(n.v, n.v, 10);
    ++exponent;
  }
  return {ToDecimal(n.v), exponent};
}

}  // namespace tessavor::reference
