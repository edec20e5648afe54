// How a fuzzer reports a broken property: the input and what was expected
// and found go to stderr, then abort(), so that libFuzzer keeps the input as
// a finding and the run exits non-zero.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace tessavor::fuzz {

// The bytes as hex, so that texts with GBK pairs and control bytes can be
// rebuilt exactly from the report.
inline void PrintHex(const char* label, std::string_view bytes) {
  std::fprintf(stderr, "%s (%zu bytes):", label, bytes.size());
  for (const unsigned char byte : bytes) std::fprintf(stderr, " %02X", byte);
  std::fprintf(stderr, "\n");
}

template <typename... Args>
[[noreturn]] void Fail(std::string_view input, const char* format, Args... args) {
  std::fprintf(stderr, "\n*** property broken: ");
  if constexpr (sizeof...(Args) == 0) {
    std::fputs(format, stderr);
  } else {
    std::fprintf(stderr, format, args...);
  }
  std::fprintf(stderr, "\n");
  PrintHex("input", input);
  std::abort();
}

}  // namespace tessavor::fuzz
