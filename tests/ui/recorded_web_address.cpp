// OpenWebAddress for test programs that link the program's binding table
// without the window layer, which holds the real shell call.
#include "tests/ui/recorded_web_address.h"

#include "ui/link_label.h"

namespace tessavor {

namespace test {

std::vector<std::string>& OpenedWebAddresses() {
  static std::vector<std::string> addresses;
  return addresses;
}

}  // namespace test

void OpenWebAddress(const char* address) { test::OpenedWebAddresses().emplace_back(address); }

}  // namespace tessavor
