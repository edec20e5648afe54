// The link label's press: it opens the maker's home page through the shell,
// on every press, and returns no value so the press goes on to the label.
// Platform-free declarations; OpenWebAddress is the one call into the shell.
#pragma once

#include <cstdint>

namespace tessavor {

// An absolute "http://" address, fixed when the program is built (the CMake
// cache variable TESSAVOR_HOME_PAGE); the only address the program opens.
extern const char HomePageAddress[];

// Bound to LeftButtonDown of 标签5; uses none of its arguments.
void OnLinkLabelLeftButtonDown(std::int32_t x, std::int32_t y, std::int32_t keyState);

// Asks the shell to open the address and does not wait; a failure is
// ignored. Defined by the window layer (ui/web_address.cpp).
void OpenWebAddress(const char* address);

}  // namespace tessavor
