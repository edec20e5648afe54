// The DBCS-aware scan for the last backslash of a path.
#include "app/program_folder.h"

namespace tessavor {

std::size_t LastBackslash(std::string_view path, bool (*isLeadByte)(unsigned char)) {
  std::size_t last = std::string_view::npos;
  std::size_t i = 0;
  while (i < path.size()) {
    const unsigned char byte = static_cast<unsigned char>(path[i]);
    if (byte == '\\') last = i;
    // A lead byte takes the next byte with it, whatever that byte is.
    i += isLeadByte(byte) && i + 1 < path.size() ? 2 : 1;
  }
  return last;
}

}  // namespace tessavor
