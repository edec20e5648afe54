// The first steps of reading a field text: the full-width fold of GBK pairs,
// the scan of the longest numeric prefix, and its decimal value N × 10^E.
// The fold runs on the fly through a cursor, so a text of any length is read
// without a copy; plain ASCII numbers are read without the cursor.
#pragma once

#include <cstdint>
#include <string_view>

namespace tessavor {

// Significant digits: 25 are read, the 25th only rounds the 24th, so N has
// at most 24 digits and stays below 10^24.
inline constexpr int kReadSignificantDigits = 25;
inline constexpr int kUsedSignificantDigits = 24;
// The written exponent saturates just above the limit, so that an exponent
// of any length is read safely; a value with E beyond ±kExponentLimit is
// infinity or zero anyway.
inline constexpr int kExponentLimit = 5200;
inline constexpr int kSaturatedExponent = kExponentLimit + 1;

// The ASCII byte that the GBK pair (lead, trail) folds to, or -1 when the
// pair stays as it is. The lead byte is 0x80 or above.
int FoldFullWidth(unsigned char lead, unsigned char trail);

// Walks a text and yields its folded bytes one at a time.
class FoldCursor {
 public:
  static constexpr int kEnd = -1;

  explicit FoldCursor(std::string_view text)
      : at_(reinterpret_cast<const unsigned char*>(text.data())), end_(at_ + text.size()) {}

  // The folded byte at the cursor, or kEnd. A pair that does not fold
  // yields its lead byte, which cannot be part of a number; a lead byte
  // without a partner is dropped, which ends the text.
  int Peek() const {
    if (at_ == end_) return kEnd;
    const unsigned char byte = *at_;
    if (byte < 0x80) return byte;
    if (end_ - at_ < 2) return kEnd;
    const int folded = FoldFullWidth(byte, at_[1]);
    return folded >= 0 ? folded : byte;
  }

  // Requires Peek() != kEnd.
  void Advance() { at_ += *at_ < 0x80 ? 1 : 2; }

  // Skips a run of ASCII bytes from low to high and returns its length: a
  // shortcut through long runs of digits, which fold to themselves.
  int64_t SkipAsciiRun(unsigned char low, unsigned char high) {
    const unsigned char* start = at_;
    while (at_ != end_ && *at_ >= low && *at_ <= high) ++at_;
    return at_ - start;
  }

 private:
  const unsigned char* at_;
  const unsigned char* end_;
};

// A scanned number: (-1)^negative × digits × 10^exponent.
struct DecimalNumber {
  bool negative = false;
  // 0 when the value is zero (also when the text has no number at all).
  int digitCount = 0;
  // Most significant first; the last one is not 0.
  uint8_t digits[kUsedSignificantDigits] = {};
  // Wide enough for the digits of any text that fits in memory.
  int64_t exponent = 0;
};

// The decimal value of the longest numeric prefix of the folded text: white
// space, a sign, digits with at most one point, an optional exponent marked
// by e, E, d or D. A text without a number gives +0.
DecimalNumber ScanDecimalNumber(std::string_view text);

}  // namespace tessavor
