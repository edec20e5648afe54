// Decoding the program's GBK texts to UTF-8 with glibc's iconv, so tests can
// state the expected characters as they read.
#pragma once

#include <iconv.h>

#include <string>
#include <string_view>

namespace tessavor::test {

// The UTF-8 form of a GBK byte string; "<undecodable>" when iconv rejects it.
inline std::string FromGbk(std::string_view gbk) {
  iconv_t converter = iconv_open("UTF-8", "GBK");
  if (converter == reinterpret_cast<iconv_t>(-1)) return "<no GBK converter>";
  std::string in(gbk);
  std::string out(in.size() * 3 + 4, '\0');
  char* inPointer = in.data();
  char* outPointer = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t result = iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft);
  iconv_close(converter);
  if (result == static_cast<std::size_t>(-1)) return "<undecodable>";
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace tessavor::test
