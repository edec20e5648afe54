// Splitting the program's path into folder and file name by characters of
// the ANSI code page, so the trail byte of a double-byte character (GBK's
// 0x5C) is never taken for a backslash.
#pragma once

#include <cstddef>
#include <string_view>

namespace tessavor {

// The position of the last backslash that is a character of its own, or npos.
// `isLeadByte` tells which bytes start a double-byte character.
std::size_t LastBackslash(std::string_view path, bool (*isLeadByte)(unsigned char));

}  // namespace tessavor
