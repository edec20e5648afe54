// Splitting a GBK byte string into the characters of an edit control.
#include "tests/model/edit_characters.h"

#include <cassert>

namespace tessavor::model {

bool IsLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

bool IsTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

std::vector<std::string> EditCharacters(std::string_view bytes) {
  std::vector<std::string> characters;
  for (std::size_t at = 0; at < bytes.size();) {
    const auto byte = static_cast<unsigned char>(bytes[at]);
    assert(byte != 0 && byte != '\r' && byte != '\n');
    if (!IsLeadByte(byte)) {
      characters.emplace_back(1, bytes[at]);
      at += 1;
    } else if (at + 1 == bytes.size()) {
      characters.emplace_back("?");
      at += 1;
    } else {
      assert(IsTrailByte(static_cast<unsigned char>(bytes[at + 1])));
      characters.emplace_back(bytes.substr(at, 2));
      at += 2;
    }
  }
  return characters;
}

}  // namespace tessavor::model
