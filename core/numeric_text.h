// The two conversions between field texts and numbers. Both are pure
// functions of their argument, never fail, and compute with integers only, so
// they give the same results on every compiler, processor and FPU setting.
#pragma once

#include <string>
#include <string_view>

namespace tessavor {

// The number that the longest numeric prefix of `text` denotes, after the
// full-width fold of the GBK text; +0 when the text holds no number.
double TextToNumber(std::string_view text);

// The text shown for `value`: 13 significant digits in the "%.13g" style with
// a three-digit exponent, and 1.#INF / 1.#IND / 1.#QNAN for the special values.
// At most 20 ASCII characters, never empty.
std::string NumberToText(double value);

}  // namespace tessavor
