// How the system edit control holds a pasted GBK byte string: as characters
// of one or two bytes, each read back through GetWindowTextA as the bytes
// given here. Caret and selection positions count these characters.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tessavor::model {

// Bytes 0x81 to 0xFE open a double-byte character in code page 936.
bool IsLeadByte(unsigned char byte);
// The second byte of a double-byte character: 0x40 to 0xFE without 0x7F.
bool IsTrailByte(unsigned char byte);

// The characters a paste of `bytes` inserts. A lead byte with a trail byte
// is one character; any other byte is one character of its own. A lead byte
// at the very end cannot be converted and becomes the default character '?'
// (measured under Wine). Not for bytes the walk never pastes: NUL, CR, LF,
// or a lead byte followed by a byte that cannot trail it.
std::vector<std::string> EditCharacters(std::string_view bytes);

}  // namespace tessavor::model
