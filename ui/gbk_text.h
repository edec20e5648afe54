// The program's texts are GBK bytes (code page 936). Windows whose ANSI code
// page is another one would show them as garbage through the "A" calls, so
// the texts that are drawn or shown go through the wide calls, converted here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tessavor {

// The UTF-16 form of GBK bytes, whatever the system's ANSI code page is.
std::wstring WideFromGbk(std::string_view gbk);

// The same into a caller's buffer, always terminated; for the fatal error
// path, which allocates nothing. `capacity` > gbk.size() always suffices,
// since no GBK character takes fewer bytes than UTF-16 units.
void CopyWideFromGbk(std::string_view gbk, wchar_t* buffer, std::size_t capacity);

}  // namespace tessavor
