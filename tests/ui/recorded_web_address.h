// The shell as the logic tests see it: OpenWebAddress records each address
// instead of starting a browser, so a test can count what a handler opened.
#pragma once

#include <string>
#include <vector>

namespace tessavor::test {

// Every address OpenWebAddress was asked to open, oldest first.
std::vector<std::string>& OpenedWebAddresses();

}  // namespace tessavor::test
