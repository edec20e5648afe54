// The reference reading: fold into a new string, scan it with indices, keep
// 24 significant digits (the 25th rounds the 24th), then round N × 10^E to a
// double on exact integers by the rule of the product: up only when the first
// dropped bit is 1 and a later one from the third on is set (subnormals: only
// beyond three quarters of the step).
#include "fuzz/reference_text_to_number.h"

#include <gmpxx.h>

#include <cmath>
#include <cstdint>
#include <limits>

namespace tessavor::fuzz {
namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The value of the decimal, N × 10^E, with its sign.
struct Decimal {
  bool hasNumber = false;
  bool negative = false;
  mpz_class n;  // 0 for a zero value
  std::int64_t e = 0;
};

Decimal Scan(const std::string& s) {
  Decimal d;
  std::size_t i = 0;
  while (i < s.size() && IsSpace(s[i])) ++i;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) d.negative = s[i++] == '-';
  std::string digits;
  std::int64_t beforePoint = -1;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      digits += s[i];
    } else if (s[i] == '.' && beforePoint < 0) {
      beforePoint = static_cast<std::int64_t>(digits.size());
    } else {
      break;
    }
  }
  if (digits.empty()) return {};
  if (beforePoint < 0) beforePoint = static_cast<std::int64_t>(digits.size());
  d.hasNumber = true;

  std::int64_t written = 0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    std::size_t j = i + 1;
    bool negativeExponent = false;
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) negativeExponent = s[j++] == '-';
    if (j < s.size() && IsDigit(s[j])) {
      for (; j < s.size() && IsDigit(s[j]); ++j) {
        written = written * 10 + (s[j] - '0');
        if (written > 5200) {
          written = 5201;
          break;
        }
      }
      if (negativeExponent) written = -written;
    }
  }

  const std::size_t first = digits.find_first_not_of('0');
  if (first == std::string::npos) return d;  // a signed zero
  std::string significant = digits.substr(first);
  const std::int64_t place = beforePoint - static_cast<std::int64_t>(first);
  if (significant.size() >= 25) {
    const bool roundUp = significant[24] >= '5';
    significant.resize(24);
    d.n = mpz_class(significant);
    if (roundUp) d.n += 1;
  } else {
    d.n = mpz_class(significant);
  }
  d.e = place - static_cast<std::int64_t>(significant.size()) + written;
  while (mpz_divisible_ui_p(d.n.get_mpz_t(), 10)) {  // trailing zeros raise E instead
    d.n /= 10;
    ++d.e;
  }
  return d;
}

struct Rounded {
  double value;
  double alternative;
};

mpz_class PowerOfTen(std::int64_t exponent) {
  mpz_class p;
  mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
  return p;
}

long BitLength(const mpz_class& x) { return static_cast<long>(mpz_sizeinbase(x.get_mpz_t(), 2)); }

// q × 2^s as a double, q + 1 < 2^54; carries into the exponent and
// overflows to infinity as the format does.
double Assemble(mpz_class q, long s) {
  if (q == mpz_class(1) << 53) {
    q >>= 1;
    ++s;
  }
  if (s > 971) return std::numeric_limits<double>::infinity();
  return std::ldexp(q.get_d(), static_cast<int>(s));
}

// N × 10^E rounded to a double; N > 0.
Rounded RoundMagnitude(const mpz_class& n, std::int64_t e) {
  const auto digitCount = static_cast<std::int64_t>(mpz_sizeinbase(n.get_mpz_t(), 10));  // may be 1 too many
  const double infinity = std::numeric_limits<double>::infinity();
  if (e > 5200 || e + digitCount - 2 >= 309) return {infinity, infinity};  // V >= 10^309
  if (e < -5200 || e + digitCount <= -325) return {0.0, 0.0};             // V < 1e-325

  const mpz_class num = e > 0 ? n * PowerOfTen(e) : n;
  const mpz_class den = e < 0 ? PowerOfTen(-e) : mpz_class(1);
  // q = floor(V / 2^s) with 2^52 <= q < 2^53, or s = -1074 for subnormals.
  long s = std::max(BitLength(num) - BitLength(den) - 53, -1074L);
  mpz_class q, r, scaledNum, scaledDen;
  for (;;) {
    scaledNum = s < 0 ? mpz_class(num << static_cast<unsigned long>(-s)) : num;
    scaledDen = s > 0 ? mpz_class(den << static_cast<unsigned long>(s)) : den;
    mpz_fdiv_qr(q.get_mpz_t(), r.get_mpz_t(), scaledNum.get_mpz_t(), scaledDen.get_mpz_t());
    if (q < mpz_class(1) << 53) break;
    ++s;
  }
  const bool subnormal = q < mpz_class(1) << 52;
  // The dropped part is f = r / scaledDen in [0, 1); compare 4r with 2D and 3D.
  const mpz_class r4 = r * 4;
  const int vsHalf = cmp(r4, scaledDen * 2);
  const int vsThreeQuarters = cmp(r4, scaledDen * 3);
  const bool up = subnormal ? vsThreeQuarters > 0 : vsHalf > 0 && vsThreeQuarters != 0;

  // The product may round from a 64-bit approximation of V, except for a
  // whole V below 2^64; a V within about 2^-64 of a rounding point may then
  // fall either way. 2^-60 of V gives that some room: |f - c| < 2^-60 (q + 1).
  const bool exactWhole = e >= 0 && BitLength(num) <= 64;
  const mpz_class room = (q + 1) * scaledDen * 4;
  auto near = [&](int quarters) {
    mpz_class distance = abs(r4 - scaledDen * quarters);
    return mpz_class(distance << 60) < room;
  };
  const bool open = !exactWhole && (near(3) || (!subnormal && near(2)));

  const double value = Assemble(up ? mpz_class(q + 1) : q, s);
  const double alternative = open ? Assemble(up ? q : mpz_class(q + 1), s) : value;
  return {value, alternative};
}

}  // namespace

std::string ReferenceFold(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      out += static_cast<char>(lead);
      ++i;
      continue;
    }
    if (i + 1 == text.size()) break;  // a lead byte without its partner is dropped
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    i += 2;
    if (lead == 0xA1 && trail == 0xA1) {
      out += ' ';
    } else if (lead == 0xA1 && trail == 0xAB) {
      out += '~';
    } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
      out += '*';
    } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
      out += static_cast<char>(trail - 0x80);
    } else {
      out += static_cast<char>(lead);
      out += static_cast<char>(trail);
    }
  }
  return out;
}

ReferenceReading ReferenceTextToNumber(std::string_view text) {
  const Decimal d = Scan(ReferenceFold(text));
  ReferenceReading reading;
  reading.hasNumber = d.hasNumber;
  if (!d.hasNumber) return reading;
  const Rounded magnitude = d.n == 0 ? Rounded{0.0, 0.0} : RoundMagnitude(d.n, d.e);
  reading.value = d.negative ? -magnitude.value : magnitude.value;
  reading.alternative = d.negative ? -magnitude.alternative : magnitude.alternative;
  return reading;
}

}  // namespace tessavor::fuzz
