// The converter's three boxes as the tests and benchmarks that work the
// program from outside its process know them: their child identifiers, the
// names the drivers print, and the box Tab moves to from each.
#pragma once

#include <cstdint>

#include "core/converter.h"

namespace tessavor::test {

// The boxes' child-window identifiers, for GetDlgItem: the low words of their
// control identifiers.
inline constexpr int ResolutionBox = ResolutionBoxId & 0xFFFF;
inline constexpr int CentimetreBox = CentimetreBoxId & 0xFFFF;
inline constexpr int PixelBox = PixelBoxId & 0xFFFF;

inline const char* BoxName(std::uint32_t control) {
  switch (control) {
    case ResolutionBoxId: return "resolution";
    case CentimetreBoxId: return "centimetres";
    case PixelBoxId: return "pixels";
  }
  return "?";
}

// Tab order of the boxes, wrapping round.
inline std::uint32_t NextBox(std::uint32_t control) {
  if (control == ResolutionBoxId) return CentimetreBoxId;
  if (control == CentimetreBoxId) return PixelBoxId;
  return ResolutionBoxId;
}

}  // namespace tessavor::test
