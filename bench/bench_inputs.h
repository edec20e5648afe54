// The inputs of the benchmarks, made from fixed seeds so that every run and
// every implementation compared sees the same texts and numbers.
#pragma once

#include <string>
#include <vector>

namespace tessavor::bench {

struct NamedText {
  std::string name;
  std::string text;
};

struct NamedNumbers {
  std::string name;
  std::vector<double> numbers;
};

// 1000 values as a user types them: up to 5 digits before the point and
// up to 6 after it.
const std::vector<std::string>& EverydayTexts();

// The slowest kinds of text to read, one per entry: 25 significant digits
// far from 1, subnormal results, exact rounding points written out in full.
const std::vector<NamedText>& WorstCaseTexts();

// Number sets to write: everyday results, subnormals, the largest double,
// values whose digits 14 to 17 are 4999 or 5000.
const std::vector<NamedNumbers>& NumberSets();

}  // namespace tessavor::bench
