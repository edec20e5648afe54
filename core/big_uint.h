// A fixed-capacity unsigned big integer for the exact paths of the two
// numeric conversions. It offers only what they use: multiply by a small
// number or a power of five or ten, shift left, subtract, compare, the
// leading 64 bits, and a division whose quotient fits in 64 bits.
#pragma once

#include <cstdint>

namespace tessavor {

class BigUint {
 public:
  // The largest value ever formed stays below 2^1170:
  //  - reading a text: N × 10^E with N < 10^24 and E <= 308 (larger E are
  //    infinity before any big integer is made) is below 10^332 < 2^1103;
  //    for E < 0 the divisor 5^-E with -E <= 349 is below 2^811, and the
  //    division shifts it or the dividend by at most 65 bits;
  //  - writing a number: m × 10^j with m < 2^53 and j <= 341 is below
  //    2^1136 (j is large only when m × 2^e is tiny, and then m × 10^j stays
  //    near 2^1136); the large-value division works below 2^1090.
  // 40 limbs of 32 bits, 1280 bits, leave a margin; every growth asserts it.
  static constexpr int kLimbBits = 32;
  static constexpr int kCapacityLimbs = 40;

  BigUint() = default;
  explicit BigUint(uint64_t value);
  // The working values are large and never need duplicating.
  BigUint(const BigUint&) = delete;
  BigUint& operator=(const BigUint&) = delete;

  bool IsZero() const { return size_ == 0; }
  // Number of significant bits; 0 for zero.
  int BitLength() const;

  // this = this × factor + addend.
  void MultiplyAdd(uint32_t factor, uint32_t addend);
  // Requires exponent >= 0.
  void MultiplyByPowerOfFive(int exponent);
  void MultiplyByPowerOfTen(int exponent);
  // Requires bits >= 0.
  void ShiftLeft(int bits);
  // this = this - other; requires other <= this.
  void Subtract(const BigUint& other);
  // this = this - other × factor; requires other × factor <= this.
  void SubtractMultiple(const BigUint& other, uint32_t factor);
  // floor(this / 2^shift); requires this < 2^(shift + 64) and shift >= 0.
  uint64_t BitsFrom(int shift) const;

  // The 64 bits from the leading one down (bit 63 of the result is set),
  // padded with zeros when the value is shorter; *lowerBitsSet tells whether
  // any bit below them is set. Requires a non-zero value.
  uint64_t LeadingBits(bool* lowerBitsSet) const;

  // Negative, zero or positive as a < b, a == b or a > b.
  friend int Compare(const BigUint& a, const BigUint& b);

 private:
  void Trim();

  // Least significant limb first; limbs at size_ and above are unused, and
  // limbs_[size_ - 1] is never zero.
  uint32_t limbs_[kCapacityLimbs];
  int size_ = 0;
};

// floor(remainder × 2^bits / divisor), leaving the remainder of that
// division in `remainder`. Requires remainder < divisor and 0 <= bits <= 64.
uint64_t DivideShifted(BigUint& remainder, const BigUint& divisor, int bits);

}  // namespace tessavor
