// The fixed-capacity big integer of the exact conversion paths: schoolbook
// arithmetic on 32-bit limbs with 64-bit intermediates, which every compiler
// of ours does natively, the 32-bit Windows one included.
#include "core/big_uint.h"

#include <bit>
#include <cassert>

namespace tessavor {

namespace {

// 5^0 to 5^13; 5^13 = 1220703125 is the largest power of five below 2^32.
constexpr uint32_t kPowersOfFive[] = {
    1,       5,        25,        125,        625,        3125,       15625,
    78125,   390625,   1953125,   9765625,    48828125,   244140625,  1220703125,
};
constexpr int kLargestFivePower = 13;

}  // namespace

BigUint::BigUint(uint64_t value) {
  limbs_[0] = static_cast<uint32_t>(value);
  limbs_[1] = static_cast<uint32_t>(value >> 32);
  size_ = 2;
  Trim();
}

void BigUint::Trim() {
  while (size_ > 0 && limbs_[size_ - 1] == 0) --size_;
}

int BigUint::BitLength() const {
  if (size_ == 0) return 0;
  return (size_ - 1) * kLimbBits + std::bit_width(limbs_[size_ - 1]);
}

void BigUint::MultiplyAdd(uint32_t factor, uint32_t addend) {
  uint64_t carry = addend;
  for (int i = 0; i < size_; ++i) {
    // At most (2^32 - 1)^2 + 2^32 - 1 < 2^64.
    const uint64_t product = uint64_t{limbs_[i]} * factor + carry;
    limbs_[i] = static_cast<uint32_t>(product);
    carry = product >> 32;
  }
  if (carry != 0) {
    assert(size_ < kCapacityLimbs);
    limbs_[size_++] = static_cast<uint32_t>(carry);
  }
  Trim();
}

void BigUint::MultiplyByPowerOfFive(int exponent) {
  assert(exponent >= 0);
  while (exponent >= kLargestFivePower) {
    MultiplyAdd(kPowersOfFive[kLargestFivePower], 0);
    exponent -= kLargestFivePower;
  }
  if (exponent > 0) MultiplyAdd(kPowersOfFive[exponent], 0);
}

void BigUint::MultiplyByPowerOfTen(int exponent) {
  MultiplyByPowerOfFive(exponent);
  ShiftLeft(exponent);
}

void BigUint::ShiftLeft(int bits) {
  assert(bits >= 0);
  if (size_ == 0 || bits == 0) return;
  const int limbShift = bits / kLimbBits;
  const int bitShift = bits % kLimbBits;
  // The top limb spills into a new one only when its high bits are set.
  const uint32_t spill = bitShift == 0 ? 0 : limbs_[size_ - 1] >> (kLimbBits - bitShift);
  const int newSize = size_ + limbShift + (spill != 0 ? 1 : 0);
  assert(newSize <= kCapacityLimbs);
  if (bitShift == 0) {
    for (int i = size_ - 1; i >= 0; --i) limbs_[i + limbShift] = limbs_[i];
  } else {
    if (spill != 0) limbs_[size_ + limbShift] = spill;
    for (int i = size_ - 1; i > 0; --i) {
      limbs_[i + limbShift] = (limbs_[i] << bitShift) | (limbs_[i - 1] >> (kLimbBits - bitShift));
    }
    limbs_[limbShift] = limbs_[0] << bitShift;
  }
  for (int i = 0; i < limbShift; ++i) limbs_[i] = 0;
  size_ = newSize;
}

void BigUint::Subtract(const BigUint& other) {
  assert(Compare(*this, other) >= 0);
  uint32_t borrow = 0;
  for (int i = 0; i < size_; ++i) {
    const uint64_t subtrahend = uint64_t{i < other.size_ ? other.limbs_[i] : 0u} + borrow;
    borrow = uint64_t{limbs_[i]} < subtrahend ? 1 : 0;
    limbs_[i] = static_cast<uint32_t>(limbs_[i] - subtrahend);
    if (borrow == 0 && i >= other.size_) break;
  }
  Trim();
}

uint64_t BigUint::LeadingBits(bool* lowerBitsSet) const {
  assert(size_ > 0);
  const int length = BitLength();
  if (length <= 64) {
    uint64_t value = limbs_[0];
    if (size_ > 1) value |= uint64_t{limbs_[1]} << 32;
    *lowerBitsSet = false;
    return value << (64 - length);
  }
  // The 64 bits start at bit `shift`; they touch limbs index to index + 2.
  const int shift = length - 64;
  const int index = shift / kLimbBits;
  const int offset = shift % kLimbBits;
  const uint64_t pair = uint64_t{limbs_[index]} | (uint64_t{limbs_[index + 1]} << 32);
  uint64_t result = pair >> offset;
  if (offset != 0) result |= uint64_t{limbs_[index + 2]} << (64 - offset);
  bool lower = offset != 0 && (limbs_[index] & ((uint32_t{1} << offset) - 1)) != 0;
  for (int i = 0; i < index && !lower; ++i) lower = limbs_[i] != 0;
  *lowerBitsSet = lower;
  return result;
}

int Compare(const BigUint& a, const BigUint& b) {
  if (a.size_ != b.size_) return a.size_ < b.size_ ? -1 : 1;
  for (int i = a.size_ - 1; i >= 0; --i) {
    if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
  }
  return 0;
}

void BigUint::SubtractMultiple(const BigUint& other, uint32_t factor) {
  assert(other.size_ <= size_);
  uint64_t carry = 0;
  uint32_t borrow = 0;
  for (int i = 0; i < size_; ++i) {
    // At most (2^32 - 1)^2 + 2^32 - 1 < 2^64.
    const uint64_t product = (i < other.size_ ? uint64_t{other.limbs_[i]} * factor : 0) + carry;
    carry = product >> 32;
    const uint64_t subtrahend = (product & 0xFFFFFFFF) + borrow;
    borrow = uint64_t{limbs_[i]} < subtrahend ? 1 : 0;
    limbs_[i] = static_cast<uint32_t>(limbs_[i] - subtrahend);
  }
  assert(carry == 0 && borrow == 0);
  Trim();
}

uint64_t BigUint::BitsFrom(int shift) const {
  assert(shift >= 0);
  const int index = shift / kLimbBits;
  const int offset = shift % kLimbBits;
  const auto limb = [this](int i) -> uint64_t { return i < size_ ? limbs_[i] : 0; };
  uint64_t result = (limb(index) | (limb(index + 1) << 32)) >> offset;
  if (offset != 0) result |= limb(index + 2) << (64 - offset);
  return result;
}

namespace {

// floor(remainder / divisor) for a quotient below 2^32, leaving the
// remainder. The estimate from the top 32 bits of the divisor is never too
// large, so the remainder never goes negative, and only a few divisors are
// left over for the loop.
uint32_t DivideStep(BigUint& remainder, const BigUint& divisor) {
  const int shift = divisor.BitLength() > 32 ? divisor.BitLength() - 32 : 0;
  const uint64_t divisorTop = divisor.BitsFrom(shift);
  // remainder < divisor × 2^32 <= (divisorTop + 1) × 2^(shift + 32).
  const uint64_t remainderTop = remainder.BitsFrom(shift);
  uint64_t quotient = remainderTop / (shift == 0 ? divisorTop : divisorTop + 1);
  if (quotient != 0) remainder.SubtractMultiple(divisor, static_cast<uint32_t>(quotient));
  while (Compare(remainder, divisor) >= 0) {
    remainder.Subtract(divisor);
    ++quotient;
  }
  return static_cast<uint32_t>(quotient);
}

}  // namespace

uint64_t DivideShifted(BigUint& remainder, const BigUint& divisor, int bits) {
  assert(bits >= 0 && bits <= 64);
  assert(Compare(remainder, divisor) < 0);
  // Long division by up to 32 quotient bits a step: the remainder stays
  // below the divisor, so after a shift by `step` bits the quotient digit
  // is below 2^step.
  constexpr int kStepBits = 32;
  uint64_t quotient = 0;
  while (bits > 0) {
    const int step = bits < kStepBits ? bits : kStepBits;
    remainder.ShiftLeft(step);
    quotient = (quotient << step) | DivideStep(remainder, divisor);
    bits -= step;
  }
  return quotient;
}

}  // namespace tessavor
