// The full-width fold and the scan of a field text into N × 10^E. Digits
// past the 25th significant one only move the decimal exponent, so the scan
// keeps a fixed amount of state however long the text is.
#include "core/fold_scan.h"

namespace tessavor {

namespace {

// GBK lead bytes of the rows that fold.
constexpr unsigned char kSymbolRow = 0xA1;
constexpr unsigned char kFullWidthAsciiRow = 0xA3;

bool IsSpace(int c) { return c == ' ' || (c >= 0x09 && c <= 0x0D); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsExponentMark(int c) { return c == 'e' || c == 'E' || c == 'd' || c == 'D'; }

// Reads the digits of a written exponent, saturating at kSaturatedExponent;
// the digits after the saturation point cannot change it and are left.
int ReadExponentDigits(FoldCursor& cursor) {
  int value = 0;
  while (IsDigit(cursor.Peek())) {
    value = value * 10 + (cursor.Peek() - '0');
    cursor.Advance();
    if (value > kExponentLimit) return kSaturatedExponent;
  }
  return value;
}

// The signed exponent after a mark, or 0 with the cursor left unmoved when
// the mark is not followed by an optional sign and at least one digit.
int ReadExponent(FoldCursor& cursor) {
  FoldCursor probe = cursor;
  if (!IsExponentMark(probe.Peek())) return 0;
  probe.Advance();
  const bool negative = probe.Peek() == '-';
  if (probe.Peek() == '+' || probe.Peek() == '-') probe.Advance();
  if (!IsDigit(probe.Peek())) return 0;
  const int value = ReadExponentDigits(probe);
  cursor = probe;
  return negative ? -value : value;
}

// DecimalNumber holds 24 digits; the scan needs room for the 25th.
struct CollectedDigits {
  uint8_t digits[kReadSignificantDigits];
  int count = 0;
};

// Rounds 25 collected digits to 24 by the 25th. A carry out of the first
// digit makes N = 10^24, which is kept as the digit 1 with the exponent
// raised by 24.
void DropTwentyFifthDigit(CollectedDigits& collected, int64_t& exponent) {
  const uint8_t dropped = collected.digits[kUsedSignificantDigits];
  collected.count = kUsedSignificantDigits;
  ++exponent;
  if (dropped < 5) return;
  int i = kUsedSignificantDigits - 1;
  while (i >= 0 && collected.digits[i] == 9) collected.digits[i--] = 0;
  if (i >= 0) {
    ++collected.digits[i];
    return;
  }
  collected.digits[0] = 1;
  collected.count = 1;
  exponent += kUsedSignificantDigits;
}

}  // namespace

int FoldFullWidth(unsigned char lead, unsigned char trail) {
  if (lead == kSymbolRow) {
    switch (trail) {
      case 0xA1: return ' ';  // ideographic space
      case 0xAB: return '~';  // full-width tilde
      case 0xEE:              // white star
      case 0xEF: return '*';  // black star
      default: return -1;
    }
  }
  // The row of full-width ASCII forms mirrors 0x21-0x7E with the top bit set.
  if (lead == kFullWidthAsciiRow && trail >= 0xA1 && trail <= 0xFE) return trail - 0x80;
  return -1;
}

namespace {

// Everyday texts are plain ASCII, where the fold changes nothing: this scan
// reads them straight from the bytes. It gives up, returning false, where
// the fold could matter (a byte of 0x80 or above before the number ends) or
// past kFastScanDigits significant digits, which spares it the rounding of
// a 25th digit; the folding scan then reads the text from the start.
constexpr int kFastScanDigits = 19;

bool ScanPlainNumber(std::string_view text, DecimalNumber& number) {
  static_assert(kFastScanDigits <= kUsedSignificantDigits);
  const unsigned char* const begin = reinterpret_cast<const unsigned char*>(text.data());
  const unsigned char* const end = begin + text.size();
  const unsigned char* at = begin;
  while (at != end && IsSpace(*at)) ++at;
  bool negative = false;
  if (at != end && (*at == '+' || *at == '-')) negative = *at++ == '-';

  int count = 0;
  int64_t exponent = 0;
  const unsigned char* const digitsStart = at;
  for (; at != end && IsDigit(*at); ++at) {
    if (count == kFastScanDigits) return false;
    if (count > 0 || *at != '0') number.digits[count++] = static_cast<uint8_t>(*at - '0');
  }
  bool sawDigit = at != digitsStart;
  if (at != end && *at == '.') {
    const unsigned char* const fractionStart = ++at;
    for (; at != end && IsDigit(*at); ++at) {
      if (count == kFastScanDigits) return false;
      if (count > 0 || *at != '0') number.digits[count++] = static_cast<uint8_t>(*at - '0');
    }
    exponent = fractionStart - at;
    sawDigit = sawDigit || at != fractionStart;
  }
  // Every stop above leaves `at` on the byte that ended it; a byte that
  // could fold might have continued the number.
  if (at != end && *at >= 0x80) return false;

  if (!sawDigit) return true;
  number.negative = negative;
  if (count == 0) return true;
  // The written exponent reads the same with or without this shortcut.
  int written = 0;
  if (at != end && IsExponentMark(*at)) {
    FoldCursor rest(text.substr(static_cast<size_t>(at - begin)));
    written = ReadExponent(rest);
  }
  while (number.digits[count - 1] == 0) {
    number.digits[--count] = 0;
    ++exponent;
  }
  number.digitCount = count;
  number.exponent = exponent + written;
  return true;
}

// The scan through the folding cursor, for any text.
DecimalNumber ScanFoldedNumber(std::string_view text) {
  FoldCursor cursor(text);
  while (IsSpace(cursor.Peek())) cursor.Advance();
  const bool negative = cursor.Peek() == '-';
  if (cursor.Peek() == '+' || cursor.Peek() == '-') cursor.Advance();

  CollectedDigits collected;
  int64_t exponent = 0;
  bool sawDigit = false;
  // Leading zeros before the point are skipped; digits past the 25th
  // significant one still count toward the magnitude.
  for (int c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
    cursor.Advance();
    sawDigit = true;
    if (collected.count == kReadSignificantDigits) {
      exponent += 1 + cursor.SkipAsciiRun('0', '9');
    } else if (collected.count > 0 || c != '0') {
      collected.digits[collected.count++] = static_cast<uint8_t>(c - '0');
    }
  }
  if (cursor.Peek() == '.') {
    cursor.Advance();
    // Leading zeros after the point fix the place of what follows; digits
    // past the 25th significant one are ignored.
    for (int c = cursor.Peek(); IsDigit(c); c = cursor.Peek()) {
      cursor.Advance();
      sawDigit = true;
      if (collected.count == kReadSignificantDigits) {
        cursor.SkipAsciiRun('0', '9');
      } else if (collected.count > 0 || c != '0') {
        collected.digits[collected.count++] = static_cast<uint8_t>(c - '0');
        --exponent;
      } else {
        exponent -= 1 + cursor.SkipAsciiRun('0', '0');
      }
    }
  }
  if (!sawDigit) return {};

  DecimalNumber number;
  number.negative = negative;
  if (collected.count == 0) return number;
  const int written = ReadExponent(cursor);

  if (collected.count == kReadSignificantDigits) DropTwentyFifthDigit(collected, exponent);
  // Trailing zeros only move the exponent; the first digit is never 0.
  while (collected.digits[collected.count - 1] == 0) {
    --collected.count;
    ++exponent;
  }
  number.digitCount = collected.count;
  for (int i = 0; i < collected.count; ++i) number.digits[i] = collected.digits[i];
  number.exponent = exponent + written;
  return number;
}

}  // namespace

DecimalNumber ScanDecimalNumber(std::string_view text) {
  DecimalNumber number;
  if (!ScanPlainNumber(text, number)) number = ScanFoldedNumber(text);
  return number;
}

}  // namespace tessavor
