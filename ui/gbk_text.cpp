// GBK to UTF-16 with code page 936 named explicitly. A system that lacks the
// 936 table falls back to its ANSI code page, which is what the "A" calls
// would have used.
#include "ui/gbk_text.h"

#include <windows.h>

namespace tessavor {

namespace {

constexpr UINT GbkCodePage = 936;

int Convert(std::string_view gbk, wchar_t* buffer, int capacity) {
  const int size = static_cast<int>(gbk.size());
  const int converted = MultiByteToWideChar(GbkCodePage, 0, gbk.data(), size, buffer, capacity);
  if (converted > 0 || GetLastError() != ERROR_INVALID_PARAMETER) return converted;
  return MultiByteToWideChar(CP_ACP, 0, gbk.data(), size, buffer, capacity);
}

}  // namespace

std::wstring WideFromGbk(std::string_view gbk) {
  if (gbk.empty()) return {};
  std::wstring wide(static_cast<std::size_t>(Convert(gbk, nullptr, 0)), L'\0');
  wide.resize(static_cast<std::size_t>(Convert(gbk, wide.data(), static_cast<int>(wide.size()))));
  return wide;
}

void CopyWideFromGbk(std::string_view gbk, wchar_t* buffer, std::size_t capacity) {
  if (capacity == 0) return;
  const int converted = gbk.empty() ? 0 : Convert(gbk, buffer, static_cast<int>(capacity - 1));
  buffer[converted > 0 ? converted : 0] = L'\0';
}

}  // namespace tessavor
