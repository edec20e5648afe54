// Fuzzes NumberToText with every bit pattern of a double, NaN payloads and
// subnormals included: the text is short ASCII from the allowed set, agrees
// with the reference writing, and a finite value's text survives a re-read.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "core/numeric_text.h"
#include "fuzz/number_text_checks.h"

namespace {

std::uint64_t First8Bytes(const std::uint8_t* data, std::size_t size) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, data, size < sizeof bits ? size : sizeof bits);
  return bits;
}

// Random bit patterns rarely have digits 14 to 17 of 4999 or 5000, where
// the two roundings of the text differ from one; inputs longer than 8 bytes
// aim there: the double nearest to 13 digits from bytes 0-7, then 4999 or
// 5000, a few more digits from bytes 11 on, and an exponent from bytes 8-9.
double NearRoundingBoundary(const std::uint8_t* data, std::size_t size) {
  const std::uint64_t thirteen = 1000000000000 + First8Bytes(data, size) % 9000000000000;
  const int exponent = (data[8] | data[9] << 8) % 640 - 330;
  std::string text = std::to_string(thirteen) + ((data[10] & 1) != 0 ? "5000" : "4999");
  for (std::size_t i = 11; i < size; ++i) text += static_cast<char>('0' + data[i] % 10);
  text += "e" + std::to_string(exponent - 12);
  const double magnitude = std::strtod(text.c_str(), nullptr);
  return (data[10] & 2) != 0 ? -magnitude : magnitude;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value;
  if (size <= 8) {
    // The bytes in the machine's order; shorter inputs are padded with zero
    // bytes so that every input means some double.
    const std::uint64_t bits = First8Bytes(data, size);
    std::memcpy(&value, &bits, sizeof value);
  } else if (size >= 11) {
    value = NearRoundingBoundary(data, size);
  } else {
    return 0;
  }
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  tessavor::fuzz::CheckNumberText(input, value, tessavor::NumberToText(value));
  return 0;
}
